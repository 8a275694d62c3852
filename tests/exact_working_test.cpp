// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/accuracy.h"
#include "solver/closed_form.h"
#include "solver/exact_working.h"
#include "solver/typed_system.h"

#include "test_matrices.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace cramer {
namespace {

using testing::ElementsAreArray;

Rational exactly(const std::string& text)
{
    const auto slash = text.find('/');
    const auto decimal = parseDecimal(text.substr(0, slash), kCLocale);
    EXPECT_TRUE(decimal) << text;
    Rational value = Rational::fromDecimal(*decimal);
    if (slash != std::string::npos)
        value /= Rational::fromDecimal(*parseDecimal(text.substr(slash + 1), kCLocale));
    return value;
}

struct DecimalCase {
    const char* value;
    const char* fraction;
    const char* decimal;
};

class RationalText : public testing::TestWithParam<DecimalCase> { };

TEST_P(RationalText, IsLowestTermsAndTerminatingOrPeriodic)
{
    const Rational value = exactly(GetParam().value);
    EXPECT_EQ(value.fraction(), GetParam().fraction);
    EXPECT_EQ(value.decimal(","), GetParam().decimal);
}

INSTANTIATE_TEST_SUITE_P(Cases, RationalText,
    testing::Values(DecimalCase { "5", "5", "5" }, DecimalCase { "-0.125", "-1/8", "-0,125" },
        DecimalCase { "1/3", "1/3", "0,(3)" }, DecimalCase { "1/6", "1/6", "0,1(6)" },
        DecimalCase { "22/7", "22/7", "3,(142857)" }, DecimalCase { "2.50E+3", "2500", "2500" },
        DecimalCase { "1E-3/7", "1/7000", "0,000(142857)" },
        // A period of 22 digits is cut after 20.
        DecimalCase { "-12/23", "-12/23", "-0,(52173913043478260869…)" },
        // 1/97 repeats only after 96 digits: its period cut after 20.
        DecimalCase { "1/97", "1/97", "0,(01030927835051546391…)" },
        // Terminating decimals in full, however long; far below 1 by their
        // significant digits, never a row of zeros.
        DecimalCase { "1/1180591620717411303424", "1/1180591620717411303424",
            "8,470329472543003390683225006796419620513916015625E-22" },
        DecimalCase { "-3.3E-21", "-33/10000000000000000000000", "-0,0000000000000000000033" }));

struct RoundingCase {
    const char* name;
    Rational exact;
    float nearest;
};

void PrintTo(const RoundingCase& c, std::ostream* os) { *os << c.name; }

Rational powerOfTwo(int exponent)
{
    Rational result(1);
    const Rational two(2);
    for (int i = 0; i < std::abs(exponent); ++i)
        result = exponent > 0 ? result * two : result / two;
    return result;
}

constexpr float kMin = std::numeric_limits<float>::denorm_min();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

class SingleRounding : public testing::TestWithParam<RoundingCase> { };

TEST_P(SingleRounding, IsCorrectAtTheBoundaries)
{
    const RoundingCase& c = GetParam();
    EXPECT_EQ(std::bit_cast<std::uint32_t>(c.exact.nearestSingle()), std::bit_cast<std::uint32_t>(c.nearest));
    if (std::isfinite(c.nearest)) {
        const ValueError error = ValueError::of(c.nearest, c.exact);
        EXPECT_EQ(error.steps, 0);
        EXPECT_TRUE(error.correctlyRounded);
        // The singles next to it are one step away, across zero as well.
        for (const float towards : { -kInfinity, kInfinity }) {
            const float next = std::nextafter(c.nearest, towards);
            if (std::isfinite(next)) {
                EXPECT_EQ(ValueError::of(next, c.exact).steps, 1);
                EXPECT_FALSE(ValueError::of(next, c.exact).correctlyRounded);
            }
        }
    }
}

constexpr float kMax = std::numeric_limits<float>::max();

INSTANTIATE_TEST_SUITE_P(Boundaries, SingleRounding,
    testing::Values(RoundingCase { "OneTenth", exactly("0.1"), 0.1f },
        RoundingCase { "SmallestSubnormal", powerOfTwo(-149), kMin },
        RoundingCase { "HalfTheSmallestSubnormalTiesToZero", powerOfTwo(-150), 0.0f },
        RoundingCase { "ThreeQuartersOfIt", powerOfTwo(-150) + powerOfTwo(-151), kMin },
        RoundingCase { "BetweenSubnormalsNoDoubleRounding",
            powerOfTwo(-149) * Rational(3) / Rational(2) + powerOfTwo(-200), 2 * kMin },
        RoundingCase { "LargestSingle", Rational::fromSingle(kMax), kMax },
        RoundingCase { "JustBelowTheMidpointAboveIt",
            Rational::fromSingle(kMax) + powerOfTwo(103) - powerOfTwo(60), kMax },
        RoundingCase { "TheMidpointAboveItOverflows", Rational::fromSingle(kMax) + powerOfTwo(103),
            std::numeric_limits<float>::infinity() }),
    [](const testing::TestParamInfo<RoundingCase>& info) { return std::string(info.param.name); });

// A whole solve with its record, as the window makes it.
SolveRecord solved(const std::vector<std::vector<std::string>>& rows)
{
    TypedSystem system { static_cast<int>(rows.size()), {} };
    for (const auto& row : rows)
        system.texts.insert(system.texts.end(), row.begin(), row.end());
    return solveQuietly(system.n, system.texts, kCLocale);
}

struct SystemCase {
    const char* name;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> determinants; // exact d, d_1 … as far as the solve got
    ExactVerdict verdict;
    Disagreement disagreement;
    int rank;
    int augmentedRank;
    std::vector<std::string> solution; // x_j, or the general solution's constants
    std::vector<int> freeUnknowns;
};

void PrintTo(const SystemCase& c, std::ostream* os) { *os << c.name; }

class ExactSolve : public testing::TestWithParam<SystemCase> { };

TEST_P(ExactSolve, MatchesFractionsWorkedByHand)
{
    const SystemCase& c = GetParam();
    const SolveRecord record = solved(c.rows);
    ASSERT_TRUE(record.reachedEnd());
    const ExactWorking working = computeExactWorking(record);
    ASSERT_FALSE(working.tooLong);

    std::vector<std::string> determinants;
    for (const ValueError& determinant : working.determinants)
        determinants.push_back(determinant.exact.fraction());
    EXPECT_THAT(determinants, ElementsAreArray(c.determinants));
    EXPECT_EQ(working.verdict, c.verdict);
    EXPECT_EQ(working.disagreement, c.disagreement);
    EXPECT_EQ(working.rank, c.rank);
    EXPECT_EQ(working.augmentedRank, c.augmentedRank);

    std::vector<std::string> solution;
    for (const Rational& x :
        c.verdict == ExactVerdict::InfinitelyMany ? working.general.constants : working.solution)
        solution.push_back(x.fraction());
    EXPECT_THAT(solution, ElementsAreArray(c.solution));
    EXPECT_THAT(working.general.freeUnknowns, ElementsAreArray(c.freeUnknowns));

    // Every exact residual is the single x's own error, never the typed numbers'.
    if (c.verdict == ExactVerdict::OneSolution && record.outcome.status == SolveStatus::Solved) {
        for (std::size_t j = 0; j < working.quotients.size(); ++j)
            EXPECT_EQ(working.quotients[j].single, record.quotients[j]);
        ASSERT_EQ(working.residuals.size(), c.rows.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, ExactSolve,
    testing::Values(SystemCase { "Integers", { { "1", "1", "3" }, { "1", "-1", "1" } }, { "-2", "-4", "-2" },
                        ExactVerdict::OneSolution, Disagreement::None, 2, 2, { "2", "1" }, {} },
        SystemCase { "IntegersWhoseSingleDeterminantIsNotAnInteger",
            { { "2", "1", "1", "4" }, { "1", "3", "2", "6" }, { "1", "0", "0", "1" } },
            { "-1", "-1", "-1", "-1" }, ExactVerdict::OneSolution, Disagreement::None, 3, 3,
            { "1", "1", "1" }, {} },
        SystemCase { "Thirds", { { "3", "0", "1" }, { "0", "3", "2" } }, { "9", "3", "6" },
            ExactVerdict::OneSolution, Disagreement::None, 2, 2, { "1/3", "2/3" }, {} },
        // From the typed decimals, not from the singles they were rounded to.
        SystemCase { "Decimals", { { "0.1", "0.2", "1" }, { "0.3", "0.4", "2" } }, { "-1/50", "0", "-1/10" },
            ExactVerdict::OneSolution, Disagreement::None, 2, 2, { "0", "5" }, {} },
        SystemCase { "SingularOnlyExactly", { { "0.1", "0.3", "1" }, { "0.3", "0.9", "3" } },
            { "0", "0", "0" }, ExactVerdict::InfinitelyMany, Disagreement::ZeroOnlyExactly, 1, 1,
            { "10", "0" }, { 2 } },
        SystemCase { "NoSolution", { { "1", "2", "1" }, { "2", "4", "3" } }, { "0" },
            ExactVerdict::NoSolution, Disagreement::None, 1, 2, {}, {} },
        SystemCase { "InfinitelyManyWithTwoParameters",
            { { "1", "2", "3", "6" }, { "2", "4", "6", "12" }, { "-1", "-2", "-3", "-6" } }, { "0" },
            ExactVerdict::InfinitelyMany, Disagreement::None, 1, 1, { "6", "0", "0" }, { 2, 3 } },
        // The typed 1.00000001 is kept as 1: the program's d is 0.
        SystemCase { "RegularButZeroInSingle", { { "1", "1", "2" }, { "1", "1.00000001", "3" } },
            { "1/100000000" }, ExactVerdict::OneSolution, Disagreement::ZeroOnlyInSingle, 2, 2,
            { "-99999998", "100000000" }, {} }),
    [](const testing::TestParamInfo<SystemCase>& info) { return std::string(info.param.name); });

// Seven digits and exponents ±38 row by row, so that d stays in range.
std::vector<std::vector<std::string>> extremeSystem()
{
    std::vector<std::vector<std::string>> rows(9);
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 10; ++column) {
            std::string digits = std::to_string(
                1000000 + (row * 7919 + column * 104729 + row * column * row * 31) % 9000000);
            digits.insert(1, ".");
            const char* exponent = row % 2 ? "E-38" : "E+38";
            rows[static_cast<std::size_t>(row - 1)].push_back(digits + exponent);
        }
    }
    return rows;
}

TEST(ExactWorking, NineBySevenDigitNumbersAtBothEndsOfTheRangeStillGetExactValues)
{
    const SolveRecord record = solved(extremeSystem());
    ASSERT_TRUE(record.reachedEnd());
    const ExactWorking working = computeExactWorking(record);
    ASSERT_FALSE(working.tooLong);
    EXPECT_EQ(working.determinants.size(), record.determinants.size());
}

TEST(ExactWorking, NamesANumberTooLongToComputeWith)
{
    const SolveRecord record = solved({ { "1", "0", "1" }, { "0", "1E-999", "1" } });
    const ExactWorking working = computeExactWorking(record);
    ASSERT_TRUE(working.tooLong);
    EXPECT_EQ(working.tooLong->row, 2);
    EXPECT_EQ(working.tooLong->column, 2);
}

} // namespace
} // namespace cramer

namespace cramer {
namespace {

// The rule's terms against the fraction-free determinant, and each term's
// cells: the main diagonal first and Sarrus's parallels in their order.
struct ClosedFormCase {
    const char* name;
    int n;
    std::vector<std::string> entries; // row by row
    std::vector<std::vector<std::array<int, 2>>> cells;
    std::vector<bool> negative;
};

void PrintTo(const ClosedFormCase& c, std::ostream* os) { *os << c.name; }

class ClosedForms : public testing::TestWithParam<ClosedFormCase> { };

TEST_P(ClosedForms, AgreeWithTheDeterminantTermByTerm)
{
    const ClosedFormCase& c = GetParam();
    std::vector<Rational> matrix;
    for (const std::string& text : c.entries)
        matrix.push_back(exactly(text));
    const auto entry = [&](int row, int column) -> const Rational& {
        return matrix[static_cast<std::size_t>((row - 1) * c.n + column - 1)];
    };
    const std::optional<ClosedForm> form = closedForm(c.n, entry);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->value, determinant(matrix, c.n));
    ASSERT_EQ(form->terms.size(), c.cells.size());
    for (std::size_t t = 0; t < form->terms.size(); ++t) {
        const ClosedFormTerm& term = form->terms[t];
        EXPECT_EQ(term.negative, c.negative[t]) << t;
        EXPECT_THAT(term.cells, ElementsAreArray(c.cells[t])) << t;
        Rational product(1);
        for (const auto& [row, column] : term.cells)
            product *= entry(row, column);
        EXPECT_EQ(term.product, product) << t;
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, ClosedForms,
    testing::Values(ClosedFormCase { "CrossProduct", 2, { "2", "-3", "0.5", "7" },
                        { { { 1, 1 }, { 2, 2 } }, { { 1, 2 }, { 2, 1 } } }, { false, true } },
        ClosedFormCase { "Sarrus", 3, { "2", "1", "1", "1", "3", "2", "1", "0", "0.1" },
            { { { 1, 1 }, { 2, 2 }, { 3, 3 } }, { { 1, 2 }, { 2, 3 }, { 3, 1 } },
                { { 1, 3 }, { 2, 1 }, { 3, 2 } }, { { 1, 3 }, { 2, 2 }, { 3, 1 } },
                { { 1, 1 }, { 2, 3 }, { 3, 2 } }, { { 1, 2 }, { 2, 1 }, { 3, 3 } } },
            { false, false, false, true, true, true } }),
    [](const testing::TestParamInfo<ClosedFormCase>& info) { return std::string(info.param.name); });

TEST(ClosedForms, AreTheRuleOfTwoAndThreeOnly)
{
    const Rational one(1);
    EXPECT_FALSE(closedForm(4, [&](int, int) -> const Rational& { return one; }));
}

// k digits are right when both values, each rounded to k significant
// digits, are the same number, whatever their magnitude; against an exact
// 0 a non-zero value has none.
TEST(Accuracy, CountsTheSignificantDigitsThatAgree)
{
    struct Case {
        float single;
        const char* exact;
        int digits;
    };
    for (const Case& c : {
             Case { 0.1f, "0.1", 8 }, // correctly rounded: 0.10000000 either way
             Case { 1070.335f, "1071.703", 3 }, // both round to 1070
             Case { 190.08757f, "218.296125", 1 }, // both round to 2·10², not to one 190 or 220
             Case { 10673.909f, "9908.93115", 1 }, // 1·10⁴ both
             Case { 0.00039954964f, "0.000399960004", 3 }, // 0.000400 both
             Case { 9.9999f, "10.0004", 4 }, // rounding carries into a new digit: 10.00 both
             Case { 1.25f, "1.25", kAllDigits },
             Case { 2.0f, "-2", 0 }, // the wrong sign
             Case { 0.0f, "3.299", 0 }, // 0 for a non-zero value
             Case { 1e-9f, "0", 0 }, // a residue where the value is 0
             Case { 0.5f, "0", 0 },
             // Far from 1, where a period starts after many zeros.
             Case { 1.9463089e-11f, "29/1490000000000", 7 },
             Case { 1e-30f, "1.0000001e-30", 7 },
             Case { 1.17549435e-38f, "1.1755e-38", 5 }, // the smallest normal single
             Case { 123456789.0f, "123456789", 8 }, // stored as 123456792
             Case { 3.0e38f, "2.9999e38", 4 },
         }) {
        const Rational exact = exactly(c.exact);
        EXPECT_EQ(correctDigits(ValueError::of(c.single, exact)), c.digits) << c.single << " for " << c.exact;
    }
}

// Hilbert's 5 × 5 with seven-digit entries.
std::vector<std::vector<std::string>> hilbert()
{
    return { { "1", "0.5", "0.3333333", "0.25", "0.2", "1" },
        { "0.5", "0.3333333", "0.25", "0.2", "0.1666667", "1" },
        { "0.3333333", "0.25", "0.2", "0.1666667", "0.1428571", "1" },
        { "0.25", "0.2", "0.1666667", "0.1428571", "0.125", "1" },
        { "0.2", "0.1666667", "0.1428571", "0.125", "0.1111111", "1" } };
}

struct AccuracyCase {
    const char* name;
    std::vector<std::vector<std::string>> rows;
    bool unreliable;
    double log10Condition; // within half a digit
    std::optional<UnderflowCause::Where> underflow;
    std::optional<int> smallPivotColumn; // of d
    std::optional<int> cancelledColumn; // of d
};

class AccuracyVerdict : public testing::TestWithParam<AccuracyCase> { };

TEST_P(AccuracyVerdict, NamesWhatSpoiltTheDigits)
{
    const AccuracyCase& c = GetParam();
    const SolveRecord record = solved(c.rows);
    const std::optional<Accuracy> accuracy = assessAccuracy(record, computeExactWorking(record));
    ASSERT_TRUE(accuracy);
    EXPECT_EQ(accuracy->unreliable, c.unreliable);
    if (!c.unreliable)
        return;
    EXPECT_LT(accuracy->fewestDigits(), kTrustedDigits);
    EXPECT_NEAR(accuracy->condition.log10Abs(), c.log10Condition, 0.5);
    EXPECT_EQ(accuracy->underflow ? std::optional(accuracy->underflow->where) : std::nullopt, c.underflow);
    EXPECT_EQ(accuracy->smallPivot ? std::optional(accuracy->smallPivot->column) : std::nullopt,
        c.smallPivotColumn);
    EXPECT_EQ(accuracy->cancellation ? std::optional(accuracy->cancellation->column) : std::nullopt,
        c.cancelledColumn);
    // The largest pivots never do worse here, and better where a small pivot was named.
    ASSERT_EQ(accuracy->largestPivotDigits.size(), record.quotients.size());
    const int largest
        = *std::min_element(accuracy->largestPivotDigits.begin(), accuracy->largestPivotDigits.end());
    if (c.smallPivotColumn)
        EXPECT_GT(largest, accuracy->fewestDigits());
    else
        EXPECT_GE(largest, accuracy->fewestDigits());
}

INSTANTIATE_TEST_SUITE_P(Systems, AccuracyVerdict,
    testing::Values(
        AccuracyCase { "WellConditioned", { { "2", "1", "3" }, { "1", "3", "5" } }, false, 0, {}, {}, {} },
        // x1 ≈ 1,95·10⁻¹¹ with seven right digits: small, not wrong.
        AccuracyCase {
            "SmallButRight", { { "1e11", "3", "4" }, { "-3e10", "14", "9" } }, false, 0, {}, {}, {} },
        AccuracyCase { "IllConditioned", hilbert(), true, 6, {}, {}, {} },
        AccuracyCase { "SmallFirstPivot",
            { { "1E-4", "2", "1", "1" }, { "3", "1", "1.25", "2" }, { "1", "0.5", "0.75", "1" } }, true, 1.5,
            {}, 1, {} },
        AccuracyCase { "CancelledPivot",
            { { "3", "1", "1", "1" }, { "6", "2.00001", "1", "2" }, { "1", "1", "1", "3" } }, true, 1.7, {},
            {}, 2 },
        AccuracyCase { "AQuotientBelowTheNormalRange", { { "1E30", "0", "1E-14" }, { "0", "1", "1" } }, true,
            30, UnderflowCause::Where::Quotient, {}, {} },
        AccuracyCase { "TypedBelowTheNormalRange", { { "1E-44", "0", "2.4E-44" }, { "0", "1", "1" } }, true,
            44, UnderflowCause::Where::Typed, {}, {} }),
    [](const testing::TestParamInfo<AccuracyCase>& info) { return std::string(info.param.name); });

// Each source of error the verdict names, against an independent
// computation in long double: the stored system's solution (Gaussian
// elimination with partial pivoting on the singles) and Skeel's condition
// per x_i (from an inverse computed the same way).
using LongMatrix = std::vector<std::vector<long double>>;

std::vector<long double> solveLong(LongMatrix a, std::vector<long double> b)
{
    const std::size_t n = b.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t best = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[best][k]))
                best = i;
        std::swap(a[k], a[best]);
        std::swap(b[k], b[best]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const long double factor = a[i][k] / a[k][k];
            for (std::size_t j = k; j < n; ++j)
                a[i][j] -= factor * a[k][j];
            b[i] -= factor * b[k];
        }
    }
    std::vector<long double> x(n);
    for (std::size_t i = n; i-- > 0;) {
        long double sum = b[i];
        for (std::size_t j = i + 1; j < n; ++j)
            sum -= a[i][j] * x[j];
        x[i] = sum / a[i][i];
    }
    return x;
}

TEST(AccuracyCauses, EachSourceIsMeasuredAsAnIndependentComputationFindsIt)
{
    enum class Cause { PivotOrder, InputRounding, OnlyScaling, Conditioning };
    const struct {
        const char* name;
        std::vector<std::vector<std::string>> rows;
        Cause cause;
    } kCases[] = {
        { "SmallFirstPivot", { { "1E-4", "2", "1", "1" }, { "3", "1", "1.25", "2" }, { "1", "0.5", "0.75", "1" } },
            Cause::PivotOrder },
        { "OneTypedNumberRounded", { { "0.1", "0.3", "100000.001" }, { "0.7", "0.9", "700000" } },
            Cause::InputRounding },
        { "OnlyBadlyScaled", { { "1E30", "0", "1E-13" }, { "0", "1", "1" } }, Cause::OnlyScaling },
        { "Hilbert", hilbert(), Cause::Conditioning },
    };
    for (const auto& c : kCases) {
        const SolveRecord record = solved(c.rows);
        const ExactWorking working = computeExactWorking(record);
        const std::optional<Accuracy> accuracy = assessAccuracy(record, working);
        ASSERT_TRUE(accuracy && accuracy->unreliable) << c.name;
        const std::size_t n = record.quotients.size();
        LongMatrix stored(n, std::vector<long double>(n));
        LongMatrix typed(n, std::vector<long double>(n));
        std::vector<long double> right(n);
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                stored[i][j] = record.system[static_cast<int>(i) + 1][static_cast<int>(j) + 1];
                typed[i][j] = std::strtold(c.rows[i][j].c_str(), nullptr);
            }
            right[i] = record.system[static_cast<int>(i) + 1][static_cast<int>(n) + 1];
        }
        const std::vector<long double> x = solveLong(stored, right);
        ASSERT_EQ(accuracy->storedSolution.size(), n) << c.name;
        for (std::size_t i = 0; i < n; ++i)
            EXPECT_NEAR(static_cast<double>(x[i]), accuracy->storedSolution[i].toDouble(),
                1e-9 * std::fabs(static_cast<double>(x[i])) + 1e-30)
                << c.name << " x" << i + 1;
        // Skeel's condition: |A⁻¹| column by column, from the same solver.
        std::vector<long double> exact(n), scaled(n, 0), skeel(n, 0);
        for (std::size_t i = 0; i < n; ++i)
            exact[i] = static_cast<long double>(working.solution[i].toDouble());
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j)
                scaled[i] += std::fabs(typed[i][j] * exact[j]);
        for (std::size_t j = 0; j < n; ++j) {
            std::vector<long double> unit(n, 0);
            unit[j] = 1;
            const std::vector<long double> column = solveLong(typed, unit);
            for (std::size_t i = 0; i < n; ++i)
                skeel[i] += std::fabs(column[i]) * scaled[j];
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (exact[i] != 0) {
                EXPECT_NEAR(std::log10(static_cast<double>(skeel[i] / std::fabs(exact[i]))),
                    std::log10(accuracy->componentCondition[i]), 0.01)
                    << c.name << " x" << i + 1;
            }
        }

        const int fewestLargest
            = *std::min_element(accuracy->largestPivotDigits.begin(), accuracy->largestPivotDigits.end());
        const double largestSkeel
            = *std::max_element(accuracy->componentCondition.begin(), accuracy->componentCondition.end());
        const bool inputRounding = std::any_of(accuracy->inputDigits.begin(), accuracy->inputDigits.end(),
            [](int digits) { return digits < kTrustedDigits; });
        switch (c.cause) {
        case Cause::PivotOrder:
            EXPECT_TRUE(accuracy->smallPivot) << c.name;
            EXPECT_GT(fewestLargest, accuracy->fewestDigits()) << c.name;
            EXPECT_FALSE(inputRounding) << c.name;
            break;
        case Cause::InputRounding:
            // The stored system's x2 has the other sign than the typed one's.
            EXPECT_TRUE(inputRounding) << c.name;
            EXPECT_LT(static_cast<double>(x[1]) * working.solution[1].toDouble(), 0) << c.name;
            break;
        case Cause::OnlyScaling:
            EXPECT_GT(accuracy->condition.log10Abs(), 20) << c.name;
            EXPECT_LT(largestSkeel, 10) << c.name;
            break;
        case Cause::Conditioning:
            EXPECT_GT(largestSkeel, 1e4) << c.name;
            EXPECT_FALSE(accuracy->smallPivot) << c.name;
            break;
        }
    }
}

} // namespace
} // namespace cramer
