// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/form1.h"

#include "window/form/grid_input.h"
#include "window/form/layout_tables.h"
#include "window/form/solve_command.h"
#include "window/form/user_locale.h"

#include <QPushButton>
#include <QScopedValueRollback>

namespace cramer {
Form1::Form1(MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent)
    , boxes_(boxes)
    , layout_(this)
    , controls_(this, layout_)
{
    setObjectName(QStringLiteral("Form1"));
    layout_.useFont(this, tables::FontKind::Window);
    setAutoFillBackground(true);
    setColours(this, QPalette::Window, tables::kButtonFace, QPalette::WindowText, tables::kButtonText);

    connect(command(1), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(command(2), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(command(3), &QPushButton::clicked, this, &Form1::Command3_Click);
    connectCells();
    gridInput_ = new GridInput(*this, boxes_);

    Form_Load();
}

QString Form1::numberText(float value) const
{
    return QString::fromStdString(formatSingle(value, numberLocale_));
}

void Form1::connectCells()
{
    // Only the user edits a cell between commands.
    for (int row = 1; row <= tables::kGridRows; ++row)
        for (int column = 1; column <= tables::kGridColumns; ++column)
            connect(cell(row, column), &QLineEdit::textChanged, this, [this, row, column] {
                if (!commandRunning_ && row <= store_.SystemSize && column <= store_.SystemSize + 1)
                    emit cellEdited(row, column);
            });
}

void Form1::Command3_Click()
{
    if (commandRunning_)
        return;
    const QScopedValueRollback running(commandRunning_, true);
    numberLocale_ = userNumberLocale();
    emit gridReset();

    SolveCommand command(*this, boxes_);
    const SolveRecord record = command.run(store_, numberLocale_);
    const SolveOutcome& outcome = record.outcome;
    if (record.reachedEnd()) {
        emit solveFinished(record);
    } else if (outcome.status == SolveStatus::BadCell) {
        command.reportBadCell(*outcome.cell, store_.SystemSize, numberLocale_);
    } else if (outcome.status == SolveStatus::Overflow) {
        // The system as typed, back in the grid.
        enterSystem(record.typed);
        command.reportOverflow(*outcome.overflow, numberLocale_);
    }
}

} // namespace cramer
