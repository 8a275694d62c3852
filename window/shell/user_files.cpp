// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/user_files.h"

#include "report/file_messages.h"
#include "report/texts.h"
#include "sheets/file_name.h"
#include "sheets/system_file.h"
#include "window/form/message_boxes.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>

#include <algorithm>

namespace cramer {

bool hasSuffix(const QString& path, const QStringList& suffixes)
{
    return suffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

QStringList filterSuffixes(const QString& filter)
{
    static const QRegularExpression kPattern(QStringLiteral("\\*\\.([^\\s)]+)"));
    QStringList suffixes;
    for (const QRegularExpressionMatch& match : kPattern.globalMatch(filter))
        suffixes << match.captured(1);
    return suffixes;
}

std::optional<FileToSave> askFileToSave(QWidget* parent, MessageBoxes& boxes, const QString& title,
    const QString& suggested, const QStringList& filters)
{
    QString name = suggested;
    QString filter = filters.value(0);
    for (;;) {
        const QString typed = QFileDialog::getSaveFileName(parent, title, name,
            filters.join(QStringLiteral(";;")), &filter, QFileDialog::DontConfirmOverwrite);
        if (typed.isEmpty())
            return std::nullopt;
        const int type = std::max(0, static_cast<int>(filters.indexOf(filter)));
        const QStringList suffixes = filterSuffixes(filters.value(type));
        // A workbook's name typed in the CSV dialog, say, keeps the
        // workbook: the type's own suffix follows it.
        const QString path = suffixes.isEmpty() || hasSuffix(typed, suffixes)
            ? typed
            : typed + QLatin1Char('.') + suffixes.first();
        const QFileInfo target(path);
        if (!target.exists()
            || boxes.ask(parent, title,
                texts::qtText(texts::kFileReplaceQuestion)
                    .arg(target.fileName())))
            return FileToSave { path, type };
        name = path;
    }
}

bool writeUserFile(
    QWidget* parent, MessageBoxes& boxes, const QString& path, const QByteArray& content, texts::Text failed)
{
    const FileError error = writeFileAtomically(
        localFile(path), std::string_view(content.constData(), static_cast<std::size_t>(content.size())));
    if (!error)
        return true;
    boxes.inform(parent, texts::qtText(texts::kSaveFailedTitle),
        texts::qtText(failed).arg(QDir::toNativeSeparators(path), systemErrorText(error)));
    return false;
}

void copyTextAndHtml(const QString& text, const QString& html)
{
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace cramer
