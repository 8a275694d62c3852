// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/quiet_cells.h"

#include "window/form/controls.h"

#include <QAccessible>

namespace cramer {
namespace {

QAccessible::UpdateHandler previousHandler = nullptr;

bool isTextChange(QAccessible::Event type)
{
    switch (type) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextAttributeChanged:
    case QAccessible::TextColumnChanged:
    case QAccessible::ValueChanged:
    case QAccessible::NameChanged:
        return true;
    default:
        return false;
    }
}

void quietHandler(QAccessibleEvent* event)
{
    if (isTextChange(event->type()) && qobject_cast<GridCell*>(event->object()))
        return;
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // No handler before this one: the platform's own delivery.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(quietHandler);
}

int depth = 0;

} // namespace

QuietCells::QuietCells()
{
    if (depth++ == 0)
        previousHandler = QAccessible::installUpdateHandler(quietHandler);
}

QuietCells::~QuietCells()
{
    if (--depth == 0)
        QAccessible::installUpdateHandler(previousHandler);
}

} // namespace cramer
