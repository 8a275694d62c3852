// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/grid_history.h"

#include "report/texts.h"
#include "window/shell/command_gate.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QUndoCommand>

namespace cramer {

class GridHistory::Change : public QUndoCommand {
public:
    Change(GridHistory& history, Form1::GridState before, Form1::GridState after)
        : history_(history)
        , before_(std::move(before))
        , after_(std::move(after))
    {
    }

    void undo() override
    {
        // Typing since the command is kept for Redo.
        after_ = history_.form_.gridState();
        put(before_);
    }
    void redo() override
    {
        // Pushed after the command had run; later, typing since Undo is kept for the next Undo.
        if (done_) {
            before_ = history_.form_.gridState();
            put(after_);
        }
        done_ = true;
    }

private:
    void put(const Form1::GridState& state)
    {
        const QScopedValueRollback restoring(history_.restoring_, true);
        history_.form_.restoreGrid(state);
        history_.settled_ = state;
    }

    GridHistory& history_;
    Form1::GridState before_;
    Form1::GridState after_;
    bool done_ = false;
};

GridHistory::GridHistory(Form1& form, CommandGate& gate, QWidget* window)
    : QObject(window)
    , form_(form)
    , stack_(new QUndoStack(this))
    , settled_(form.gridState())
{
    undo_ = gate.add(this, texts::kUndoCommand, QKeySequence::Undo, [this] { stack_->undo(); });
    redo_ = gate.add(this, texts::kRedoCommand, QKeySequence::Redo, [this] { stack_->redo(); });
    gate.setWanted(undo_, false);
    gate.setWanted(redo_, false);
    connect(stack_, &QUndoStack::canUndoChanged, this, [this, &gate](bool can) { gate.setWanted(undo_, can); });
    connect(stack_, &QUndoStack::canRedoChanged, this, [this, &gate](bool can) { gate.setWanted(redo_, can); });
    connect(&form_, &Form1::cellEdited, this, [this] { settled_ = form_.gridState(); });
    connect(&form_, &Form1::gridReplaced, this, &GridHistory::replaced);
}

void GridHistory::replaced()
{
    if (restoring_)
        return;
    Form1::GridState now = form_.gridState();
    if (now == settled_)
        return;
    stack_->push(new Change(*this, settled_, now));
    settled_ = std::move(now);
}

} // namespace cramer
