// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the windows share in handing the user a file or the clipboard.

#include "report/texts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace cramer {

class MessageBoxes;

// `path` ends in one of `suffixes` ("html"), in any case.
bool hasSuffix(const QString& path, const QStringList& suffixes);

// The suffixes a dialog filter such as "HTML (*.html *.htm)" names, in its order.
QStringList filterSuffixes(const QString& filter);

struct FileToSave {
    QString path;
    int type = 0; // the index of the filter chosen
};

// Asks for a file to write, offering `filters` ("HTML (*.html *.htm)"),
// the first chosen at the start. The filter chosen decides the type; a
// name without one of its suffixes gets the first. The dialog does not
// confirm replacing a file: the name it returns may still get its suffix,
// so the question is asked here of the very file that will be written, and
// No opens the dialog again. Nothing when cancelled.
std::optional<FileToSave> askFileToSave(QWidget* parent, MessageBoxes& boxes, const QString& title,
    const QString& suggested, const QStringList& filters);

// Writes `content` to `path` as writeFileAtomically does; where it fails, a
// box says so with `failed` ("Файлът „%1“ не може да бъде записан: %2 …").
bool writeUserFile(
    QWidget* parent, MessageBoxes& boxes, const QString& path, const QByteArray& content, texts::Text failed);

// On the clipboard as plain text and as HTML, for editors and word
// processors alike.
void copyTextAndHtml(const QString& text, const QString& html);

} // namespace cramer
