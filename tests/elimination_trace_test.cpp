// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/determinant.h"

#include "test_matrices.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace cramer {
namespace {

using testing::ElementsAre;
using testing_support::matrixFromRows;

std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }

// Random matrices of every size, with many zeros (row exchanges, early
// exits) and a wide spread of magnitudes (overflows, rounding residues).
Matrix randomMatrix(std::mt19937& generator, int n)
{
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> small(-9, 9);
    std::uniform_real_distribution<float> wide(-37.0f, 37.0f);
    Matrix matrix = matrixFromRows({});
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n + 1; ++column) {
            const int k = kind(generator);
            matrix[row][column] = k < 4 ? 0.0f
                : k < 8                 ? static_cast<float>(small(generator))
                        : std::pow(10.0f, wide(generator)) * static_cast<float>(small(generator));
        }
    }
    return matrix;
}

TEST(EliminationTrace, IsThePlainComputationStepByStep)
{
    std::mt19937 generator(2026);
    for (int sample = 0; sample < 3000; ++sample) {
        const auto n = static_cast<std::int16_t>(2 + sample % 8);
        const Matrix input = randomMatrix(generator, n);
        Matrix plain = input;
        Matrix traced = input;
        SystemStore plainStore;
        SystemStore tracedStore;
        EliminationTrace trace;
        const DetStatus plainStatus = presmetnidet(plainStore, plain, n).status;
        const DetStatus tracedStatus = presmetnidet(tracedStore, traced, n, trace).status;
        SCOPED_TRACE(sample);

        ASSERT_EQ(tracedStatus, plainStatus);
        ASSERT_EQ(bits(tracedStore.DetResult), bits(plainStore.DetResult));
        ASSERT_EQ(bits(trace.value), bits(plainStore.DetResult));
        ASSERT_EQ(std::memcmp(&traced, &plain, sizeof plain), 0); // NaN included
        ASSERT_EQ(trace.start, SquareBlock::of(input, n));

        // The running product follows the recorded exchanges and pivots.
        float product = 1.0f;
        for (const EliminationStep& step : trace.steps) {
            for (std::size_t e = 0; e < step.exchangedWith.size(); ++e)
                product = -product;
            if (trace.pivotSearchFailed && &step == &trace.steps.back())
                break;
            product = step.pivot * product;
            ASSERT_EQ(bits(step.productAfterPivot), bits(product));
            ASSERT_EQ(step.factors.size(), static_cast<std::size_t>(n - step.column));
            if (plainStatus == DetStatus::Ok) {
                ASSERT_EQ(step.pivotRowDivided.at(step.column, step.column), 1.0f);
                for (int row = step.column + 1; row <= n; ++row)
                    ASSERT_EQ(step.cleared.at(row, step.column), 0.0f);
            }
        }
        if (plainStatus == DetStatus::Ok && !trace.pivotSearchFailed) {
            ASSERT_EQ(trace.diagonalProducts.size(), static_cast<std::size_t>(n));
            for (int i = 1; i <= n; ++i)
                product = product * traced[i][i];
            ASSERT_EQ(bits(trace.diagonalProducts.back()), bits(product));
            ASSERT_EQ(bits(product), bits(trace.value));
        }
    }
}

struct ExchangeCase {
    const char* name;
    std::int16_t size;
    Matrix matrix;
    std::vector<std::vector<int>> exchanges; // per step
    bool pivotSearchFailed;
};

void PrintTo(const ExchangeCase& c, std::ostream* os) { *os << c.name; }

class TracedExchanges : public testing::TestWithParam<ExchangeCase> { };

TEST_P(TracedExchanges, AreTheRowsThePivotSearchTried)
{
    const ExchangeCase& c = GetParam();
    SystemStore store;
    Matrix matrix = c.matrix;
    EliminationTrace trace;
    presmetnidet(store, matrix, c.size, trace);
    std::vector<std::vector<int>> exchanges;
    for (const EliminationStep& step : trace.steps)
        exchanges.push_back(step.exchangedWith);
    EXPECT_EQ(exchanges, c.exchanges);
    EXPECT_EQ(trace.pivotSearchFailed, c.pivotSearchFailed);
}

INSTANTIATE_TEST_SUITE_P(PivotSearch, TracedExchanges,
    testing::Values(ExchangeCase { "None", 2, matrixFromRows({ { 1, 2 }, { 3, 4 } }), { {} }, false },
        ExchangeCase { "OneExchange", 2, matrixFromRows({ { 0, 1 }, { 2, 3 } }), { { 2 } }, false },
        ExchangeCase { "RotationThenOneMore", 3, matrixFromRows({ { 0, 0, 1 }, { 0, 2, 0 }, { 3, 0, 0 } }),
            { { 2, 3 }, { 3 } }, false },
        ExchangeCase { "SearchFails", 2, matrixFromRows({ { 0, 1 }, { 0, 2 } }), { { 2 } }, true },
        ExchangeCase { "SearchFailsAtTheSecondColumn", 3,
            matrixFromRows({ { 1, 2, 3 }, { 2, 4, 5 }, { 3, 6, 7 } }), { {}, { 3 } }, true }),
    [](const testing::TestParamInfo<ExchangeCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace cramer
