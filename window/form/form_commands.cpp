// SPDX-License-Identifier: GPL-3.0-or-later

// What the form offers the window around it besides its own commands: the
// busy state while a command waits for its message box, a paste at the
// focused cell, and files dropped on the form or its cells.

#include "window/form/form1.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace cramer {
namespace {

// The first local file a drag carries, or nothing.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

} // namespace

Form1::BusyScope::BusyScope(Form1& form)
    : form_(form)
    , was_(form.commandRunning_)
{
    form_.commandRunning_ = true;
    if (!was_)
        emit form_.busyChanged(true);
}

Form1::BusyScope::~BusyScope()
{
    form_.commandRunning_ = was_;
    if (!was_)
        emit form_.busyChanged(false);
}

void Form1::pasteAtFocus()
{
    const QWidget* focused = QApplication::focusWidget();
    for (int row = 1; row <= tables::kGridRows; ++row) {
        for (int column = 1; column <= tables::kGridColumns; ++column) {
            if (cell(row, column) == focused) {
                pasteIntoGrid(row, column);
                return;
            }
        }
    }
    pasteIntoGrid(1, 1);
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty() && !isBusy())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty() || isBusy())
        return;
    event->acceptProposedAction();
    emit fileDropped(path);
}

// A cell would take a dropped file's name as text: the file opens instead.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove
        || event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!droppedFile(drop->mimeData()).isEmpty()) {
            if (event->type() == QEvent::Drop)
                dropEvent(drop);
            else if (!isBusy())
                drop->acceptProposedAction();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace cramer
