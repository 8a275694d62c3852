// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Practice: the student computes d, each d_i and each x_i by hand; the
// program reads each answer and says whether it is right and, where it can
// tell, what went wrong. Exact throughout: answers and values are rationals.

#include "solver/cramer_sequence.h"
#include "solver/exact.h"
#include "solver/exact_working.h"
#include "solver/number_text.h"

#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace cramer {

// An answer as typed: its exact value and how it was written.
struct Answer {
    enum class Form { Integer, Decimal, Fraction, Periodic }; // Periodic: "0,8(3)", exact
    Rational value;
    Form form = Form::Integer;
    int significantDigits = 0; // of a decimal
    std::int64_t lastDigitExponent = 0; // a decimal's last digit stands for 10^this
};

enum class AnswerProblem {
    Empty,
    NotANumber,
    ZeroDenominator,
    TooLong, // digits and exponent far beyond any value asked for
};

// Integers, decimals with the locale's separator or ".", decimals with
// their period in parentheses ("0,8(3)"), and fractions p/q of integers,
// each with an optional sign ("-", "+" or "−"), blanks around and around
// the slash.
std::variant<Answer, AnswerProblem> readAnswer(std::string_view text, const NumberLocale& locale);

// What a step asks for: d (index 0) or d_i, or x_i; or, where d = 0
// exactly, whether the system has no solution or infinitely many.
struct PracticeStep {
    enum class Kind { Determinant, Unknown, SolutionCount };
    Kind kind = Kind::Determinant;
    int index = 0;
};

// The steps of a practice on `working`, a system of n unknowns (not
// tooLong): d, each d_i and each x_i where it has one solution exactly;
// d and how many solutions there are where d = 0 exactly.
std::vector<PracticeStep> practiceSteps(int n, const ExactWorking& working);

enum class Mistake {
    None,
    OppositeSign,
    ProductsAdded, // 2 × 2: a·d + b·c instead of a·d − b·c
    DiagonalsSwapped, // 2 × 2: b·c − a·d
    TermLeftOut, // 3 × 3: one of Sarrus's six products missing
    TermSignFlipped, // 3 × 3: one of them with the wrong sign
    WrongColumnReplaced, // d_i: the right-hand sides put in another column
    QuotientInverted, // x_i = d / d_i
    RoundedWrongly, // a decimal cut instead of rounded, or rounded the wrong way
    TooFewDigits, // a decimal that never ends, rounded right but to fewer than three significant digits
    NotRight,
};

// A mistake that gives the answer's value.
struct NamedMistake {
    Mistake mistake = Mistake::None;
    int term = 0; // TermLeftOut, TermSignFlipped: the product, from 1 in Sarrus's order
    int column = 0; // WrongColumnReplaced: the column that was replaced
};

struct AnswerCheck {
    bool right = false;
    // Right by single precision, not exactly: the value the program computes.
    bool singlePrecisionValue = false;
    Mistake mistake = Mistake::None;
    int term = 0; // of `mistake`, as in NamedMistake
    int column = 0;
    // A second mistake that gives the same value: the student made one of the two.
    std::optional<NamedMistake> alternative;
    std::optional<double> relativeError; // NotRight, of a nonzero value: |answer − value| / |value|
};

// What the program's own solve gave for `step`: NaN where it never got
// there (d came out 0, or a value left the range).
float programsValue(const SolveRecord& record, PracticeStep step);

// Checks `answer` against the exact value of `step` in `working`, the exact
// working of `record`, a system with one solution exactly (not tooLong); the
// program's single-precision value, where it has one, comes from `record`.
AnswerCheck checkAnswer(
    const SolveRecord& record, const ExactWorking& working, PracticeStep step, const Answer& answer);

// The exact value a step asks for (not SolutionCount).
const Rational& expectedValue(const ExactWorking& working, PracticeStep step);

} // namespace cramer
