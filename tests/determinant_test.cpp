// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/determinant.h"

#include "test_matrices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace cramer {
namespace {

using testing_support::matrixFromRows;

std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }

struct DetCase {
    const char* name;
    std::int16_t size;
    std::vector<std::vector<float>> rows;
    std::uint32_t expectedBits;
};

void PrintTo(const DetCase& c, std::ostream* os) { *os << c.name; }

Matrix toMatrix(const std::vector<std::vector<float>>& rows)
{
    Matrix matrix;
    for (auto& row : matrix)
        row.fill(99.0f);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < rows[i].size(); ++j)
            matrix[i + 1][j + 1] = rows[i][j];
    return matrix;
}

class Determinant : public testing::TestWithParam<DetCase> { };

TEST_P(Determinant, MatchesSinglePrecisionEliminationBitForBit)
{
    const DetCase& c = GetParam();
    SystemStore store;
    Matrix matrix = toMatrix(c.rows);
    const DeterminantValue result = presmetnidet(store, matrix, c.size);
    ASSERT_EQ(result.status, DetStatus::Ok);
    EXPECT_EQ(bits(result.value), c.expectedBits) << "got " << result.value;
    EXPECT_EQ(bits(store.DetProduct), c.expectedBits);
    EXPECT_EQ(bits(store.DetResult), c.expectedBits);
    for (int row = 1; row <= c.size; ++row)
        EXPECT_EQ(matrix[row][c.size + 1], 99.0f) << "column n + 1 of row " << row << " was touched";
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, Determinant,
    testing::Values(DetCase { "OneExchange", 2, { { 0, 1 }, { 2, 3 } }, bits(-2.0f) },
        DetCase { "ZeroColumnExitsEarly", 2, { { 0, 1 }, { 0, 2 } }, bits(0.0f) },
        DetCase { "SingularOnlyAtTheLastStepGivesNegativeZero", 2, { { 0, 0 }, { 1, 2 } }, bits(-0.0f) },
        DetCase { "ThreeByThree", 3, { { 1, 2, 3 }, { 4, 5, 6 }, { 7, 8, 10 } }, bits(-3.0f) },
        DetCase { "IntegersNeedNotGiveAnInteger", 3, { { 2, 1, 1 }, { 1, 3, 2 }, { 1, 0, 0 } }, 0xBF7FFFFFu },
        DetCase {
            "SingularThroughTheFinalProduct", 3, { { 1, 2, 3 }, { 4, 5, 6 }, { 7, 8, 9 } }, bits(-0.0f) },
        DetCase { "RotationThenOneMoreExchange", 3, { { 0, 0, 1 }, { 0, 2, 0 }, { 3, 0, 0 } }, bits(-6.0f) },
        DetCase { "DecimalsRoundedToSingle", 2, { { 0.1f, 0.2f }, { 0.3f, 0.4f } }, 0xBCA3D70Bu },
        DetCase { "ExactlySingularButNotInSingle", 2, { { 0.1f, 0.3f }, { 0.3f, 0.9f } }, 0xB1CCCCCDu },
        DetCase { "Identity9", 9,
            { { 1, 0, 0, 0, 0, 0, 0, 0, 0 }, { 0, 1, 0, 0, 0, 0, 0, 0, 0 }, { 0, 0, 1, 0, 0, 0, 0, 0, 0 },
                { 0, 0, 0, 1, 0, 0, 0, 0, 0 }, { 0, 0, 0, 0, 1, 0, 0, 0, 0 }, { 0, 0, 0, 0, 0, 1, 0, 0, 0 },
                { 0, 0, 0, 0, 0, 0, 1, 0, 0 }, { 0, 0, 0, 0, 0, 0, 0, 1, 0 }, { 0, 0, 0, 0, 0, 0, 0, 0, 1 } },
            bits(1.0f) },
        DetCase { "LateZeroColumnExitsEarly", 3, { { 1, 2, 3 }, { 2, 4, 5 }, { 3, 6, 7 } }, bits(0.0f) }),
    [](const testing::TestParamInfo<DetCase>& info) { return std::string(info.param.name); });

TEST(Determinant, PivotSearchRotatesRowsAndLeavesTheEliminatedForm)
{
    SystemStore store;
    Matrix matrix = matrixFromRows({ { 0, 0, 1, 7 }, { 0, 2, 0, 8 }, { 3, 0, 0, 9 } });
    ASSERT_EQ(presmetnidet(store, matrix, 3).status, DetStatus::Ok);
    // Step 1 rotates to (3 0 0 / 0 0 1 / 0 2 0), step 2 swaps rows 2 and 3.
    EXPECT_EQ(matrix[1][1], 1.0f);
    EXPECT_EQ(matrix[2][2], 1.0f);
    EXPECT_EQ(matrix[3][3], 1.0f);
    EXPECT_EQ(matrix[2][3], 0.0f);
    EXPECT_EQ(matrix[1][4], 7.0f);
    EXPECT_EQ(matrix[2][4], 8.0f);
    EXPECT_EQ(matrix[3][4], 9.0f);
    EXPECT_EQ(matrix[4][1], 99.0f) << "nothing below the block is touched";
}

TEST(Determinant, EarlyExitLeavesTheMatrixAsItStoodAndColumnNPlusOneAlone)
{
    SystemStore store;
    Matrix matrix = matrixFromRows({ { 0, 1, 5 }, { 0, 2, 6 } });
    ASSERT_EQ(presmetnidet(store, matrix, 2).status, DetStatus::Ok);
    EXPECT_EQ(store.DetResult, 0.0f);
    EXPECT_EQ(matrix[1][2], 2.0f);
    EXPECT_EQ(matrix[2][2], 1.0f);
    EXPECT_EQ(matrix[1][3], 5.0f);
    EXPECT_EQ(matrix[2][3], 6.0f);
}

double referenceDeterminant(std::vector<std::vector<double>> a)
{
    const std::size_t n = a.size();
    double determinant = 1.0;
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[pivot][k]))
                pivot = i;
        if (a[pivot][k] == 0.0)
            return 0.0;
        if (pivot != k) {
            std::swap(a[pivot], a[k]);
            determinant = -determinant;
        }
        determinant *= a[k][k];
        for (std::size_t i = k + 1; i < n; ++i) {
            const double factor = a[i][k] / a[k][k];
            for (std::size_t j = k; j < n; ++j)
                a[i][j] -= factor * a[k][j];
        }
    }
    return determinant;
}

// Random small-integer matrices, many with zeros that force row exchanges,
// against a double-precision reference. Only up to four unknowns: from five
// on, a rounding residue that is not exactly zero is taken as a pivot and can
// throw the result far off (about one matrix in a thousand), which the
// exact zero tests of the elimination accept on purpose.
TEST(Determinant, AgreesWithADoublePrecisionReference)
{
    std::mt19937 generator(11);
    std::uniform_int_distribution<int> entry(-4, 4);
    for (int sample = 0; sample < 400; ++sample) {
        const int n = 2 + sample % 3;
        std::vector<std::vector<double>> rows(n, std::vector<double>(n));
        Matrix matrix {};
        double hadamard = 1.0;
        for (int i = 0; i < n; ++i) {
            double norm = 0.0;
            for (int j = 0; j < n; ++j) {
                const int value = sample % 3 == 0 && entry(generator) > 0 ? 0 : entry(generator);
                rows[i][j] = value;
                matrix[i + 1][j + 1] = static_cast<float>(value);
                norm += value * value;
            }
            hadamard *= std::max(1.0, std::sqrt(norm));
        }
        SystemStore store;
        ASSERT_EQ(presmetnidet(store, matrix, static_cast<std::int16_t>(n)).status, DetStatus::Ok);
        EXPECT_NEAR(store.DetResult, referenceDeterminant(rows), hadamard * 1e-5) << "sample " << sample;
    }
}

struct OverflowCase {
    const char* name;
    std::int16_t size;
    std::vector<std::vector<float>> rows;
};

void PrintTo(const OverflowCase& c, std::ostream* os) { *os << c.name; }

class DeterminantOverflow : public testing::TestWithParam<OverflowCase> { };

TEST_P(DeterminantOverflow, IsReported)
{
    SystemStore store;
    Matrix matrix = toMatrix(GetParam().rows);
    EXPECT_EQ(presmetnidet(store, matrix, GetParam().size).status, DetStatus::Overflow);
}

INSTANTIATE_TEST_SUITE_P(Range, DeterminantOverflow,
    testing::Values(OverflowCase { "FinalProduct", 2, { { 1e30f, 0 }, { 0, 1e30f } } },
        OverflowCase { "PivotProduct", 3, { { 1e20f, 0, 0 }, { 0, 1e20f, 0 }, { 0, 0, 1 } } },
        OverflowCase { "Normalising", 2, { { 1e-30f, 1e30f }, { 1, 1 } } },
        // Step 1 makes element (3, 3) infinite, then step 2 finds no pivot
        // and would report a plain 0: still an overflow.
        OverflowCase { "HiddenByTheEarlyExit", 3, { { 1, 1, 3e38f }, { 1, 1, 0 }, { -1, -1, 3e38f } } },
        OverflowCase { "Elimination", 2, { { 1, 3e38f }, { -2, 3e38f } } }),
    [](const testing::TestParamInfo<OverflowCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace cramer
