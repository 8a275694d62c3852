// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worked solution of one solve: the record of what the program read,
// computed and showed, and the exact values beside it. Every form of it is a
// function of this one value, through the document of working_document.h:
// the short solution on the clipboard and the step-by-step working.

#include "sheets/system_file.h"
#include "solver/accuracy.h"
#include "solver/cramer_sequence.h"
#include "solver/exact_working.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace cramer {

struct WorkedSolution {
    explicit WorkedSolution(SolveRecord solve);

    // The result rows were filled: the short solution can be copied.
    bool hasResults() const { return record.outcome.status == SolveStatus::Solved; }
    QString number(float value) const;
    // Computed when first asked for: the short solution never needs it.
    const ExactWorking& exact() const;
    // How many digits of each x_i single precision got right, and why not
    // more; none without results or exact values.
    const std::optional<Accuracy>& accuracy() const;

    SolveRecord record;
    // The grid has been edited since: every form says so at its top.
    bool outdated = false;
    // Where the system came from, where that needs saying (a workbook's
    // sheet other than the one shown): at the top of every form.
    QString source;

private:
    mutable std::optional<ExactWorking> exact_;
    mutable std::optional<std::optional<Accuracy>> accuracy_;
};

// A line that says the grid has changed since the solve, or nothing.
QString outdatedNote(const WorkedSolution& solution);
// A line that names the sheet read where the workbook showed another, or nothing.
QString sheetNote(const ReadSystem& read);

} // namespace cramer
