// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What practice says: each step's name and heading, the verdict on an
// answer in words, the hints, and the summary; as runs, written by the
// document's number writer and set by its renderers.

#include "report/working_document.h"
#include "solver/practice.h"

#include <QString>

namespace cramer {

// "d", "d₁", "x₂"; "броя на решенията".
Runs practiceStepName(PracticeStep step);
// As the working heads it: "Детерминантата d₁ (колона 1 е заменена …)".
Runs practiceStepHeading(PracticeStep step);
// The value as a fraction and, where it differs, as a decimal: "2/3 = 0,(6)".
Runs practiceValue(const WorkedSolution& solution, PracticeStep step);

// Where the program's own solve is no guide (single precision found no
// solution, or d ≠ 0 where exactly d = 0): why, said once above the steps.
// Nothing otherwise.
Runs singlePrecisionNote(const WorkedSolution& solution);

// Where d = 0 exactly: "няма решение" or "безброй много решения".
Runs solutionCountWords(ExactVerdict verdict);
// The verdict on the student's choice of how many solutions there are.
Runs solutionCountMessage(const WorkedSolution& solution, ExactVerdict chosen);

Runs answerProblemMessage(AnswerProblem problem, const QString& typed);
Runs answerCheckMessage(
    const WorkedSolution& solution, PracticeStep step, const Answer& answer, const AnswerCheck& check);

// Where the locale's grouping mark in `typed` would, as a decimal mark, make
// another number ("1,875" is 1875 where "," groups thousands): how it was
// read and how to type the decimal. Nothing otherwise.
Runs otherSeparatorNote(const QString& typed, const NumberLocale& locale);

// What practice says to an answer typed for `step`, and whether it counts:
// an answer that is not a number is explained and not counted as a try.
struct PracticeReply {
    Runs message;
    bool counted = false;
    bool right = false;
    Mistake mistake = Mistake::None; // of a counted answer
};
PracticeReply replyToAnswer(
    const WorkedSolution& solution, PracticeStep step, const QString& typed, const NumberLocale& locale);

inline constexpr int kPracticeHints = 3;
// Hint `level` (1 … kPracticeHints): the rule, the rule with this system's
// numbers (of a choice, the two ranks), the value.
Runs practiceHint(
    const WorkedSolution& solution, const WorkingDocument& document, PracticeStep step, int level);

// How each step went, for the summary.
struct PracticeOutcome {
    PracticeStep step;
    bool shown = false; // revealed by the last hint
    int tries = 0;
    int hints = 0;
};
// The summary as a document of one section: a line per step and the time.
WorkingDocument practiceSummary(
    const WorkedSolution& solution, const std::vector<PracticeOutcome>& outcomes, qint64 seconds);

} // namespace cramer
