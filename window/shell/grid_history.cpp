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
    Change(GridHistory& history, GridState before, GridState after, std::function<void()> undone = {})
        : history_(history)
        , before_(std::move(before))
        , after_(std::move(after))
        , undone_(std::move(undone))
    {
    }

    void undo() override
    {
        // Typing since the command is kept for Redo.
        after_ = stateOf(history_.form_);
        put(before_);
        if (undone_)
            undone_();
    }
    void redo() override
    {
        // Pushed after the command had run; later, typing since Undo is kept for the next Undo.
        if (done_) {
            before_ = stateOf(history_.form_);
            put(after_);
        }
        done_ = true;
    }

private:
    void put(const GridState& state)
    {
        const QScopedValueRollback restoring(history_.restoring_, true);
        // Laid out as it was, and cleared again where "ИЗЧИСТИ" had left it.
        history_.form_.enterSystem(state.system);
        if (!state.laidOut)
            history_.form_.Command2_Click();
        history_.settled_ = state;
    }

    GridHistory& history_;
    GridState before_;
    GridState after_;
    std::function<void()> undone_;
    bool done_ = false;
};

GridState GridHistory::stateOf(const Form1& form)
{
    return { form.typedSystem(), form.cell(1, 1)->backColor() != tables::kGreen };
}

GridHistory::GridHistory(Form1& form, CommandGate& gate, QWidget* window)
    : QObject(window)
    , form_(form)
    , stack_(new QUndoStack(this))
    , settled_(stateOf(form))
{
    undo_ = gate.add(this, texts::kUndoCommand, QKeySequence::Undo, [this] { stack_->undo(); });
    redo_ = gate.add(this, texts::kRedoCommand, QKeySequence::Redo, [this] { stack_->redo(); });
    gate.setWanted(undo_, false);
    gate.setWanted(redo_, false);
    connect(
        stack_, &QUndoStack::canUndoChanged, this, [this, &gate](bool can) { gate.setWanted(undo_, can); });
    connect(
        stack_, &QUndoStack::canRedoChanged, this, [this, &gate](bool can) { gate.setWanted(redo_, can); });
    connect(&form_, &Form1::cellEdited, this, [this] { settled_ = stateOf(form_); });
    connect(&form_, &Form1::gridReplaced, this, &GridHistory::replaced);
}

void GridHistory::offer(GridState kept, std::function<void()> restored)
{
    stack_->push(new Change(*this, std::move(kept), stateOf(form_), std::move(restored)));
}

void GridHistory::replaced()
{
    if (restoring_)
        return;
    GridState now = stateOf(form_);
    if (now == settled_)
        return;
    stack_->push(new Change(*this, settled_, now));
    settled_ = std::move(now);
}

} // namespace cramer
