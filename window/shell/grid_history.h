// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Отмени" and "Повтори" for the commands that replace or clear the grid
// (a file opened or dropped, a new exercise, "ИЗЧИСТИ", "ВЪВЕДИ
// СИСТЕМАТА"): each is kept as the grid before and after it, so that typed
// work is never lost to one click. What the user types into a cell is the
// cell's own to undo; the history follows it so that Undo brings back the
// grid with the typing done before the command, and Redo with the typing
// done after it.

#include "window/form/form1.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

class QAction;
class QWidget;

namespace cramer {

class CommandGate;

// The grid as a command leaves it: the system's size and texts, and whether
// it is laid out for them ("ИЗЧИСТИ" leaves every cell green).
struct GridState {
    TypedSystem system;
    bool laidOut = true;
    bool operator==(const GridState&) const = default;
};

class GridHistory : public QObject {
    Q_OBJECT
public:
    // `form` must outlive the history.
    GridHistory(Form1& form, CommandGate& gate, QWidget* window);

    // `kept` one Undo away, as if a command had replaced it with the grid
    // now; `restored` runs each time Undo brings it back.
    void offer(GridState kept, std::function<void()> restored);

    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    const QUndoStack& stack() const { return *stack_; }
    static GridState stateOf(const Form1& form);

private:
    class Change;
    void replaced();

    Form1& form_;
    QUndoStack* stack_; // a child: deleted once the connections to this are gone
    GridState settled_; // the grid as the user last left it
    bool restoring_ = false;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace cramer
