// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the shell feeds into the form: files dropped on the window (on a
// cell too, which would take the file's name as text) and the menu's paste.

#include <QObject>

class QMimeData;
class QWidget;

namespace cramer {

class Form1;

class FileDrops : public QObject {
    Q_OBJECT
public:
    // Takes drops on `window` and on every cell of `form`.
    FileDrops(const Form1& form, QWidget* window);

signals:
    // A local file was dropped while the form was not busy.
    void dropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Form1& form_;
};

// The menu's Paste: at the cell that has the focus, or else at the first cell.
void pasteAtFocus(Form1& form);

} // namespace cramer
