// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How many digits of the single-precision solution are right, and what can
// be shown to have spoilt the rest: the conditioning of the system, a small
// pivot that the first-non-zero rule took, a pivot left by cancellation, a
// value below the normal range. Beside it, the same elimination with the
// largest pivot of each column, in single precision too.

#include "solver/exact_working.h"

#include <optional>
#include <vector>

namespace cramer {

// Fewer right significant digits than this in any x_i that is not 0 exactly,
// or a result row other than 0 for one that is, and the verdict warns.
inline constexpr int kTrustedDigits = 3;
// About as many significant digits as a single carries.
inline constexpr int kSingleDigits = 7;
// More than a single carries: the value is exact.
inline constexpr int kAllDigits = 9;

// Significant digits of error.single that agree with error.exact: the most
// k (below kAllDigits, which means equal) for which both, each correctly
// rounded to k significant digits, are the same number; 0 for the wrong
// sign, for 0 in place of a non-zero value and for any other value in
// place of an exact 0.
int correctDigits(const ValueError& error);
// The same rule for two exact values: `value` read against `exact`.
int agreeingDigits(const Rational& value, const Rational& exact);

// The pivot the program took at one column of one determinant's elimination.
struct PivotCause {
    int determinant = 0; // 0 for d, i for d_i
    int column = 0;
    float pivot = 0.0f;
    float largest = 0.0f; // the largest entry below it in its column
    int largestRow = 0;
};

// A pivot that came out of subtracting close numbers and lost its digits.
struct CancellationCause {
    int determinant = 0;
    int column = 0;
    float before = 0.0f; // the entry before the last subtraction
    float after = 0.0f; // the pivot it left
    Rational exact; // what the pivot is from the typed numbers
};

// A value that is non-zero exactly but below single's normal range.
struct UnderflowCause {
    enum class Where { Typed, Elimination, Quotient };
    Where where = Where::Typed;
    int index = 0; // the determinant, the unknown, or the typed cell's row
    int column = 0; // the typed cell's column or the elimination's column
    float value = 0.0f;
};

struct Accuracy {
    std::vector<int> digits; // of x_1 … x_n
    std::vector<bool> untrusted; // x_i is wrong as kTrustedDigits says
    bool unreliable = false; // some x_i is untrusted

    // Filled only for an unreliable solution, each source of error measured
    // on its own, exactly.
    Rational condition; // κ∞(A) = ‖A‖∞ · ‖A⁻¹‖∞ of the typed coefficients
    // Skeel's condition of each x_i, (|A⁻¹|·|A|·|x|)_i / |x_i|: what a
    // backward-stable method may lose in x_i alone (0 for x_i = 0).
    std::vector<double> componentCondition;
    // The system as stored in single precision, solved exactly (empty where
    // it is singular); how many digits of each x_i the typed numbers'
    // rounding alone keeps, and the arithmetic keeps of that.
    std::vector<Rational> storedSolution;
    std::vector<int> inputDigits;
    std::vector<int> arithmeticDigits;
    std::optional<UnderflowCause> underflow;
    // The column whose pivot lost the digits, named only where the largest
    // pivots do better: the order of pivots is to blame.
    std::optional<PivotCause> smallPivot;
    std::optional<CancellationCause> cancellation;
    std::vector<float> largestPivotSolution; // empty where that elimination left the range
    std::vector<int> largestPivotDigits;

    int fewestDigits() const;
};

// For a solve that ended with results and a system with one solution
// exactly; otherwise nothing.
std::optional<Accuracy> assessAccuracy(const SolveRecord& record, const ExactWorking& working);

} // namespace cramer
