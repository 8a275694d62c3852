// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/form_input.h"

#include "window/form/form1.h"
#include "window/form/grid_input.h"

#include <QApplication>
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

FileDrops::FileDrops(const Form1& form, QWidget* window)
    : QObject(window)
    , form_(form)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (GridCell* cell : form.findChildren<GridCell*>())
        cell->installEventFilter(this);
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove
        && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedFile(drop->mimeData());
    if (path.isEmpty())
        return QObject::eventFilter(watched, event);
    if (!form_.isBusy()) {
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            emit dropped(path);
    }
    return true;
}

void pasteAtFocus(Form1& form)
{
    const QWidget* focused = QApplication::focusWidget();
    for (int row = 1; row <= tables::kGridRows; ++row) {
        for (int column = 1; column <= tables::kGridColumns; ++column) {
            if (form.cell(row, column) == focused) {
                form.gridInput().paste(row, column);
                return;
            }
        }
    }
    form.gridInput().paste(1, 1);
}

} // namespace cramer
