// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worked solution of one solve: the record of what the program read,
// computed and showed, and the exact values beside it. Every form of it is a
// function of this one value: the short solution on the clipboard (plain
// text, HTML tables, LaTeX) here, the step-by-step working in
// working_document.h.

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

    SolveRecord record;
    // The grid has been edited since: every form says so at its top.
    bool outdated = false;

private:
    mutable std::optional<ExactWorking> exact_;
};

// "d" for 0, otherwise "d" with the index written by `indexFormat` ("%1",
// "<sub>%1</sub>", "_{%1}").
QString determinantName(int index, const char* indexFormat);

// One term of an equation's left side as every form writes it: the sign
// between terms apart from the coefficient's magnitude; the first term keeps
// its own sign.
struct EquationTerm {
    QString sign; // "", "+" or "-"
    QString coefficient;
};
std::vector<EquationTerm> equationTerms(const QStringList& equation);

// A line that says the grid has changed since the solve, or nothing.
QString outdatedNote(const WorkedSolution& solution);

// The widest text of each column, for matrices laid out in plain text.
std::vector<qsizetype> columnWidths(const std::vector<QStringList>& rows);

// The short solution, with the texts the window showed; only with results.
QString solutionAsPlainText(const WorkedSolution& solution);
QString solutionAsHtml(const WorkedSolution& solution);
QString solutionAsLatex(const WorkedSolution& solution);

} // namespace cramer
