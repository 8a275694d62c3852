// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/accuracy.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

namespace cramer {
namespace {

// A pivot below this share of the largest entry in its column is small.
constexpr float kSmallPivotShare = 0.01f;

int clampedDigits(double digits)
{
    if (!(digits > 0.0))
        return 0;
    return static_cast<int>(std::min(std::floor(digits), static_cast<double>(kAllDigits)));
}

// [A | B] brought to [I | A⁻¹B] by Gauss–Jordan, exactly; A is n × n and
// regular here. Returns the right part.
using RationalRows = std::vector<std::vector<Rational>>;

RationalRows gaussJordan(RationalRows rows, std::size_t n)
{
    for (std::size_t column = 0; column < n; ++column) {
        std::size_t pivotRow = column;
        while (rows[pivotRow][column].isZero())
            ++pivotRow;
        std::swap(rows[pivotRow], rows[column]);
        const Rational pivot = rows[column][column];
        for (Rational& entry : rows[column])
            entry /= pivot;
        for (std::size_t i = 0; i < n; ++i) {
            if (i == column || rows[i][column].isZero())
                continue;
            const Rational factor = rows[i][column];
            for (std::size_t j = column; j < rows[i].size(); ++j)
                rows[i][j] -= factor * rows[column][j];
        }
    }
    for (auto& row : rows)
        row.erase(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(n));
    return rows;
}

// The typed coefficients.
RationalRows typedMatrix(const ExactWorking& working, int n)
{
    const auto size = static_cast<std::size_t>(n);
    RationalRows rows(size, std::vector<Rational>(size));
    for (std::size_t i = 0; i < size; ++i)
        for (std::size_t j = 0; j < size; ++j)
            rows[i][j] = working.typedValue(n, static_cast<int>(i) + 1, static_cast<int>(j) + 1);
    return rows;
}

RationalRows inverse(const RationalRows& a)
{
    const std::size_t n = a.size();
    RationalRows rows = a;
    for (std::size_t i = 0; i < n; ++i) {
        rows[i].resize(2 * n);
        rows[i][n + i] = Rational(1);
    }
    return gaussJordan(std::move(rows), n);
}

// ‖A‖∞: the largest sum of a row's magnitudes.
Rational infinityNorm(const RationalRows& a)
{
    Rational norm;
    for (const auto& row : a) {
        Rational sum;
        for (const Rational& entry : row)
            sum += entry.abs();
        norm = std::max(norm, sum);
    }
    return norm;
}

// Skeel's condition of each x_i, (|A⁻¹|·|A|·|x|)_i / |x_i|: what any
// backward-stable method may lose in that x_i alone; 0 where x_i is 0.
std::vector<double> componentConditions(const RationalRows& a, const RationalRows& inverseA, const std::vector<Rational>& x)
{
    const std::size_t n = a.size();
    std::vector<Rational> scaled(n);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            scaled[i] += a[i][j].abs() * x[j].abs();
    std::vector<double> conditions(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        if (x[i].isZero())
            continue;
        Rational sum;
        for (std::size_t j = 0; j < n; ++j)
            sum += inverseA[i][j].abs() * scaled[j];
        conditions[i] = std::pow(10.0, sum.log10Abs() - x[i].log10Abs());
    }
    return conditions;
}

// The exact solution of the system as single precision stores it: each
// typed number rounded once, no arithmetic yet. Empty where that system is
// singular.
std::vector<Rational> storedSolution(const SolveRecord& record)
{
    const auto n = static_cast<std::size_t>(record.typed.n);
    RationalRows rows(n, std::vector<Rational>(n + 1));
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j <= n; ++j)
            rows[i][j] = Rational::fromSingle(record.system[static_cast<int>(i) + 1][static_cast<int>(j) + 1]);
    std::vector<Rational> minor;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            minor.push_back(rows[i][j]);
    if (determinant(minor, static_cast<int>(n)).isZero())
        return {};
    std::vector<Rational> solution;
    for (auto& row : gaussJordan(std::move(rows), n))
        solution.push_back(row.front());
    return solution;
}

// |value| ≠ 0 correctly rounded (half away from zero) to `count` ≤ 9
// significant digits: those digits as an integer, and the power of ten of
// the first. Exact whatever the magnitude or the length of a period.
struct Rounded {
    long digits = 0;
    long exponent = 0;
    bool operator==(const Rounded&) const = default;
};

Rational powerOfTen(long exponent)
{
    Rational power(1);
    for (long i = 0; i < std::labs(exponent); ++i)
        power *= Rational(10);
    return exponent < 0 ? Rational(1) / power : power;
}

Rounded roundedSignificant(const Rational& value, int count)
{
    const Rational magnitude = value.abs();
    long exponent = static_cast<long>(std::floor(magnitude.log10Abs()));
    Rational scaled = magnitude * powerOfTen(count - 1 - exponent);
    const Rational low = powerOfTen(count - 1);
    const Rational high = powerOfTen(count);
    // log10 in double may miss by one at a power of ten.
    while (scaled >= high)
        scaled /= Rational(10), ++exponent;
    while (scaled < low)
        scaled *= Rational(10), --exponent;
    long digits = std::stol(scaled.expansion(0).integer);
    if (scaled - Rational(digits) >= Rational(1) / Rational(2))
        ++digits;
    if (Rational(digits) == high)
        digits /= 10, ++exponent;
    return { digits, exponent };
}

bool belowNormal(float value) { return std::fpclassify(value) == FP_SUBNORMAL; }

std::optional<UnderflowCause> findUnderflow(const SolveRecord& record, const ExactWorking& working)
{
    using Where = UnderflowCause::Where;
    const int n = record.typed.n;
    for (int row = 1; row <= n; ++row)
        for (int column = 1; column <= n + 1; ++column) {
            const float stored = record.system[row][column];
            if (!working.typedValue(n, row, column).isZero() && (stored == 0.0f || belowNormal(stored)))
                return UnderflowCause { Where::Typed, row, column, stored };
        }
    // d_i / d that came out 0 or subnormal although d_i was not 0.
    for (const DeterminantRecord& entry : record.determinants) {
        if (entry.index == 0)
            continue;
        const float x = record.quotients[static_cast<std::size_t>(entry.index - 1)];
        if (belowNormal(x) || (x == 0.0f && entry.trace.value != 0.0f))
            return UnderflowCause { Where::Quotient, entry.index, 0, x };
    }
    for (const DeterminantRecord& entry : record.determinants)
        for (const EliminationStep& step : entry.trace.steps) {
            const auto& cleared = step.cleared.values;
            const auto found = std::find_if(cleared.begin(), cleared.end(), belowNormal);
            if (found != cleared.end())
                return UnderflowCause { Where::Elimination, entry.index, step.column, *found };
        }
    return std::nullopt;
}

// The same elimination as the program's, but each column's pivot is the
// entry of largest magnitude on or below the diagonal.
float largestPivotDeterminant(SquareBlock block)
{
    const int n = block.n;
    float product = 1.0f;
    for (int k = 1; k <= n - 1; ++k) {
        int best = k;
        for (int i = k + 1; i <= n; ++i)
            if (std::fabs(block.at(i, k)) > std::fabs(block.at(best, k)))
                best = i;
        if (block.at(best, k) == 0.0f)
            return 0.0f;
        if (best != k) {
            for (int j = k; j <= n; ++j)
                std::swap(block.at(k, j), block.at(best, j));
            product = -product;
        }
        const float pivot = block.at(k, k);
        product = pivot * product;
        for (int j = k; j <= n; ++j)
            block.at(k, j) = block.at(k, j) / pivot;
        for (int i = k + 1; i <= n; ++i) {
            const float factor = block.at(i, k);
            for (int j = 1; j <= n; ++j)
                block.at(i, j) = block.at(i, j) + -factor * block.at(k, j);
        }
    }
    for (int i = 1; i <= n; ++i)
        product = product * block.at(i, i);
    return product;
}

std::vector<float> solveWithLargestPivots(const SolveRecord& record)
{
    const int n = record.typed.n;
    auto determinantOf = [&](int index) {
        SquareBlock block;
        block.n = n;
        for (int row = 1; row <= n; ++row)
            for (int column = 1; column <= n; ++column)
                block.at(row, column) = record.system[row][sourceColumn(n, index, column)];
        return largestPivotDeterminant(block);
    };
    const float d = determinantOf(0);
    if (d == 0.0f || !std::isfinite(d))
        return {};
    std::vector<float> solution;
    for (int index = 1; index <= n; ++index) {
        const float x = determinantOf(index) / d;
        if (!std::isfinite(x))
            return {};
        solution.push_back(x);
    }
    return solution;
}

// The smallest pivot, measured against the largest entry it could have
// been, where that share is below `share`.
std::optional<PivotCause> findSmallPivot(const SolveRecord& record, float share)
{
    std::optional<PivotCause> smallest;
    float smallestShare = share;
    for (const DeterminantRecord& entry : record.determinants) {
        const EliminationTrace& trace = entry.trace;
        for (std::size_t s = 0; s < trace.steps.size(); ++s) {
            const EliminationStep& step = trace.steps[s];
            const SquareBlock& before = s == 0 ? trace.start : trace.steps[s - 1].cleared;
            PivotCause cause { entry.index, step.column, step.pivot, 0.0f, 0 };
            for (int row = step.column; row <= record.typed.n; ++row)
                if (std::fabs(before.at(row, step.column)) > cause.largest) {
                    cause.largest = std::fabs(before.at(row, step.column));
                    cause.largestRow = row;
                }
            const float taken = std::fabs(step.pivot) / cause.largest;
            if (step.pivot != 0.0f && taken < smallestShare) {
                smallestShare = taken;
                cause.largest = before.at(cause.largestRow, step.column);
                smallest = cause;
            }
        }
    }
    return smallest;
}

// A pivot whose last subtraction took away most of its digits and whose
// value is wrong from its third digit on: the exact pivots are ratios of the
// leading minors of the typed matrix with the program's rows in its order.
std::optional<CancellationCause> findCancellation(const SolveRecord& record, const ExactWorking& working)
{
    const int n = record.typed.n;
    std::optional<CancellationCause> worst;
    int worstDigits = kTrustedDigits;
    for (const DeterminantRecord& entry : record.determinants) {
        const EliminationTrace& trace = entry.trace;
        std::vector<int> order(static_cast<std::size_t>(n) + 1);
        for (int row = 1; row <= n; ++row)
            order[static_cast<std::size_t>(row)] = row;
        for (const EliminationStep& step : trace.steps)
            for (int row : step.exchangedWith)
                std::swap(order[static_cast<std::size_t>(step.column)], order[static_cast<std::size_t>(row)]);
        auto leadingMinor = [&](int size) {
            std::vector<Rational> minor;
            for (int row = 1; row <= size; ++row)
                for (int column = 1; column <= size; ++column)
                    minor.push_back(working.typedValue(
                        n, order[static_cast<std::size_t>(row)], sourceColumn(n, entry.index, column)));
            return determinant(minor, size);
        };
        Rational previousMinor = leadingMinor(1);
        for (std::size_t s = 1; s < trace.steps.size(); ++s) {
            const EliminationStep& step = trace.steps[s];
            const Rational minor = leadingMinor(step.column);
            const int k = step.column;
            const int sourceRow = step.exchangedWith.empty() ? k : step.exchangedWith.back();
            const float before = trace.steps[s - 1].pivotRowDivided.at(sourceRow, k);
            const bool cancelled = std::fabs(step.pivot) < kSmallPivotShare * std::fabs(before);
            if (cancelled && !previousMinor.isZero()) {
                const Rational exactPivot = minor / previousMinor;
                // The pivot's precision, not digits to read: a pivot off by
                // 0.1 % still spoils what is divided by it.
                const ValueError error = ValueError::of(step.pivot, exactPivot);
                const int digits = error.absolute.isZero()
                    ? kAllDigits
                    : clampedDigits(exactPivot.log10Abs() - error.absolute.log10Abs());
                if (digits < worstDigits) {
                    worstDigits = digits;
                    worst = CancellationCause { entry.index, k, before, step.pivot, exactPivot };
                }
            }
            previousMinor = minor;
        }
    }
    return worst;
}

int fewest(const std::vector<int>& digits)
{
    return digits.empty() ? 0 : *std::min_element(digits.begin(), digits.end());
}

} // namespace

int correctDigits(const ValueError& error)
{
    if (!std::isfinite(error.single))
        return 0;
    if (error.absolute.isZero())
        return kAllDigits;
    return agreeingDigits(Rational::fromSingle(error.single), error.exact);
}

int agreeingDigits(const Rational& value, const Rational& exact)
{
    if (value == exact)
        return kAllDigits;
    if (value.sign() != exact.sign())
        return 0;
    // What a student reads off the two numbers: the most significant digits
    // to which both round alike (190,08757 and 218,296 both round to 2·10²).
    if (value.isZero() || exact.isZero())
        return 0;
    for (int digits = kAllDigits - 1; digits > 0; --digits) {
        if (roundedSignificant(value, digits) == roundedSignificant(exact, digits))
            return digits;
    }
    return 0;
}

int Accuracy::fewestDigits() const { return fewest(digits); }

std::optional<Accuracy> assessAccuracy(const SolveRecord& record, const ExactWorking& working)
{
    const auto n = static_cast<std::size_t>(record.typed.n);
    if (record.outcome.status != SolveStatus::Solved || working.verdict != ExactVerdict::OneSolution
        || working.quotients.size() != n)
        return std::nullopt;
    Accuracy accuracy;
    for (std::size_t i = 0; i < n; ++i) {
        const ValueError& quotient = working.quotients[i];
        accuracy.digits.push_back(correctDigits(quotient));
        // Against an exact 0 no digit is right, but the result row is wrong
        // only where it shows more than 0.
        const bool untrusted = quotient.exact.isZero()
            ? i < record.shownSolutions.size() && record.shownSolutions[i] != 0.0f
            : accuracy.digits.back() < kTrustedDigits;
        accuracy.untrusted.push_back(untrusted);
        accuracy.unreliable = accuracy.unreliable || untrusted;
    }
    if (!accuracy.unreliable)
        return accuracy;

    const RationalRows a = typedMatrix(working, record.typed.n);
    const RationalRows inverseA = inverse(a);
    accuracy.condition = infinityNorm(a) * infinityNorm(inverseA);
    accuracy.componentCondition = componentConditions(a, inverseA, working.solution);
    accuracy.underflow = findUnderflow(record, working);
    // Each source on its own: the typed numbers' rounding (the stored
    // system solved exactly), then the arithmetic (the program's x_i
    // against that).
    accuracy.storedSolution = storedSolution(record);
    for (std::size_t i = 0; i < accuracy.storedSolution.size(); ++i) {
        accuracy.inputDigits.push_back(agreeingDigits(accuracy.storedSolution[i], working.solution[i]));
        accuracy.arithmeticDigits.push_back(
            agreeingDigits(Rational::fromSingle(record.quotients[i]), accuracy.storedSolution[i]));
    }
    accuracy.largestPivotSolution = solveWithLargestPivots(record);
    for (std::size_t i = 0; i < accuracy.largestPivotSolution.size(); ++i)
        accuracy.largestPivotDigits.push_back(
            correctDigits(ValueError::of(accuracy.largestPivotSolution[i], working.solution[i])));
    // Where the largest pivots keep more, the order of pivots lost the
    // rest: the column whose pivot was smallest beside what it could have been.
    if (fewest(accuracy.largestPivotDigits) > accuracy.fewestDigits())
        accuracy.smallPivot = findSmallPivot(record, 1.0f);
    accuracy.cancellation = findCancellation(record, working);
    return accuracy;
}

} // namespace cramer
