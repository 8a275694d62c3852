// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What practice says: each step's name and heading, the verdict on an
// answer in words, the hints, and the summary.

#include "report/working_document.h"
#include "solver/practice.h"

#include <QString>

namespace cramer {

// "d", "d₁", "x₂".
QString practiceStepName(PracticeStep step);
// As the working heads it: "Детерминантата d₁ (колона 1 е заменена …)".
QString practiceStepHeading(PracticeStep step);
// The value as a fraction and, where it differs, as a decimal: "2/3 = 0,(6)".
QString practiceValue(const WorkedSolution& solution, PracticeStep step);

QString answerProblemMessage(AnswerProblem problem, const QString& typed);
QString answerCheckMessage(
    const WorkedSolution& solution, PracticeStep step, const Answer& answer, const AnswerCheck& check);

inline constexpr int kPracticeHints = 3;
// Hint `level` (1 … kPracticeHints): the rule, the rule with this system's
// numbers, the value.
QString practiceHint(
    const WorkedSolution& solution, const WorkingDocument& document, PracticeStep step, int level);

} // namespace cramer
