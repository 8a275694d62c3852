// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/cramer_sequence.h"

#include "test_matrices.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

namespace cramer {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing_support::matrixFromRows;

// Records every display step as a line of text.
class RecordingDisplay : public CramerDisplay {
public:
    void showDeterminant(const Matrix& matrix, int size) override
    {
        std::string line = "matrix " + std::to_string(size) + ":";
        for (int row = 1; row <= size; ++row)
            for (int column = 1; column <= size; ++column)
                line += " " + formatSingle(matrix[row][column], kCLocale);
        steps.push_back(line);
    }
    void showHeading(int index) override { steps.push_back("heading " + std::to_string(index)); }
    void announceDeterminant(float value) override
    {
        announced.push_back(value);
        steps.push_back("det=" + formatSingle(value, kCLocale));
    }
    void reportSingular() override { steps.push_back("singular"); }
    void clearGrid() override { steps.push_back("clear"); }
    void showSystem(const Matrix&, int size) override { steps.push_back("system " + std::to_string(size)); }
    void showResultRows(
        int size, const Vector& numerators, float mainDeterminant, const Vector& solutions) override
    {
        for (int i = 1; i <= size; ++i)
            steps.push_back("x" + std::to_string(i) + "=" + formatSingle(numerators[i], kCLocale) + "/"
                + formatSingle(mainDeterminant, kCLocale) + "=" + formatSingle(solutions[i], kCLocale));
    }

    std::vector<std::string> steps;
    std::vector<float> announced;
};

SolveOutcome solve(SystemStore& store, RecordingDisplay& display, const Matrix& system, std::int16_t size)
{
    store.SystemSize = size;
    store.SystemMatrix = system;
    copySystem(system, store.MainWorkMatrix, size);
    copySystem(system, store.SubstitutedMatrix, size);
    return runCramerSequence(store, display);
}

TEST(CramerSequence, WalksThroughEveryDeterminantInOrder)
{
    SystemStore store;
    RecordingDisplay display;
    const auto outcome = solve(store, display, matrixFromRows({ { 3, 0, 1 }, { 0, 3, 2 } }), 2);
    EXPECT_EQ(outcome.status, SolveStatus::Solved);
    EXPECT_THAT(display.steps,
        ElementsAre("matrix 2: 3 0 0 3", "heading 0", "det=9", "matrix 2: 1 0 2 3", "heading 1", "det=3",
            "matrix 2: 3 1 0 2", "heading 2", "det=6", "clear", "system 2", "x1=3/9=0.333", "x2=6/9=0.667"));
}

TEST(CramerSequence, SolvesASmallIntegerSystem)
{
    SystemStore store;
    RecordingDisplay display;
    solve(store, display, matrixFromRows({ { 1, 1, 3 }, { 1, -1, 1 } }), 2);
    EXPECT_THAT(display.announced, ElementsAre(-2.0f, -4.0f, -2.0f));
    EXPECT_EQ(store.Solutions[1], 2.0f);
    EXPECT_EQ(store.Solutions[2], 1.0f);
}

TEST(CramerSequence, AnnouncesUnroundedAndShowsRounded)
{
    SystemStore store;
    RecordingDisplay display;
    solve(store, display, matrixFromRows({ { 2, 1, 1, 4 }, { 1, 3, 2, 6 }, { 1, 0, 0, 1 } }), 3);
    const float nextToMinusOne = std::bit_cast<float>(0xBF7FFFFFu);
    EXPECT_THAT(display.announced, ElementsAre(nextToMinusOne, nextToMinusOne, -1.0f, nextToMinusOne));
    EXPECT_THAT(std::vector<std::string>(display.steps.end() - 3, display.steps.end()),
        ElementsAre("x1=-1/-1=1", "x2=-1/-1=1", "x3=-1/-1=1"));
}

TEST(CramerSequence, DividesEveryUnknownByTheUnroundedDeterminant)
{
    // d = 0.1875 rounds to 0.19: dividing x2 by that would show 1.316.
    SystemStore store;
    RecordingDisplay display;
    solve(store, display, matrixFromRows({ { 0.5f, 0.25f, 1 }, { 0.25f, 0.5f, 1 } }), 2);
    EXPECT_EQ(store.Solutions[1], roundToPlaces(1.3333334f, 3));
    EXPECT_EQ(store.Solutions[2], store.Solutions[1]);
    EXPECT_EQ(display.steps.back(), "x2=0.25/0.19=1.333");
}

TEST(CramerSequence, ATinyNonZeroDeterminantStillSolves)
{
    SystemStore store;
    RecordingDisplay display;
    const auto outcome = solve(store, display, matrixFromRows({ { 0.01f, 0, 1 }, { 0, 0.01f, 1 } }), 2);
    EXPECT_EQ(outcome.status, SolveStatus::Solved);
    EXPECT_EQ(display.steps.back(), "x2=0.01/0=100");
}

TEST(CramerSequence, SingularSystemIsReportedAndNothingElseHappens)
{
    SystemStore store;
    store.Solutions[1] = 42.0f;
    RecordingDisplay display;
    const auto outcome = solve(store, display, matrixFromRows({ { 1, 2, 5 }, { 2, 4, 6 } }), 2);
    EXPECT_EQ(outcome.status, SolveStatus::Singular);
    EXPECT_THAT(display.steps, ElementsAre("singular"));
    EXPECT_EQ(store.Solutions[1], 42.0f) << "earlier results are kept";
}

TEST(CramerSequence, ExactlySingularButNonZeroInSingleGoesOn)
{
    SystemStore store;
    RecordingDisplay display;
    const auto outcome = solve(store, display, matrixFromRows({ { 0.1f, 0.3f, 1 }, { 0.3f, 0.9f, 1 } }), 2);
    EXPECT_NE(outcome.status, SolveStatus::Singular);
    ASSERT_FALSE(display.announced.empty());
    EXPECT_NE(display.announced.front(), 0.0f);
}

TEST(CramerSequence, NineUnknownsAnnounceTenDeterminantsOnFreshCopies)
{
    Matrix system {};
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column)
            system[row][column] = row == column ? 2.0f : (column == row + 1 ? 1.0f : 0.0f);
        system[row][10] = static_cast<float>(row);
    }
    SystemStore store;
    RecordingDisplay display;
    ASSERT_EQ(solve(store, display, system, 9).status, SolveStatus::Solved);
    EXPECT_EQ(display.announced.size(), 10u);
    EXPECT_EQ(display.announced.front(), 512.0f);
    // Back substitution of the bidiagonal system: x9 = 4.5, x8 = 1.75, ...
    EXPECT_EQ(store.Solutions[9], 4.5f);
    EXPECT_EQ(store.Solutions[8], 1.75f);
    for (int row = 1; row <= 9; ++row)
        for (int column = 1; column <= 10; ++column) {
            EXPECT_EQ(store.SubstitutedMatrix[row][column], system[row][column]);
            EXPECT_EQ(store.MainWorkMatrix[row][column], system[row][column]);
        }
}

TEST(CramerSequence, UsesTheSizeItStartedWithThroughout)
{
    // Stale values of a bigger system beyond the current size are never read.
    Matrix system = matrixFromRows({ { 3, 0, 1 }, { 0, 3, 2 } }, 1e30f);
    SystemStore store;
    RecordingDisplay display;
    ASSERT_EQ(solve(store, display, system, 2).status, SolveStatus::Solved);
    EXPECT_EQ(std::count(display.steps.begin(), display.steps.end(), "system 2"), 1);
    EXPECT_THAT(display.announced, ElementsAre(9.0f, 3.0f, 6.0f));
}

struct OverflowCase {
    const char* name;
    Matrix system;
    OverflowError expected;
    std::size_t announcements;
};

void PrintTo(const OverflowCase& c, std::ostream* os) { *os << c.name; }

class CramerOverflow : public testing::TestWithParam<OverflowCase> { };

TEST_P(CramerOverflow, StopsWhereItHappens)
{
    SystemStore store;
    RecordingDisplay display;
    const auto outcome = solve(store, display, GetParam().system, 2);
    EXPECT_EQ(outcome.status, SolveStatus::Overflow);
    ASSERT_TRUE(outcome.overflow);
    EXPECT_EQ(*outcome.overflow, GetParam().expected);
    EXPECT_EQ(display.announced.size(), GetParam().announcements);
    EXPECT_EQ(std::count(display.steps.begin(), display.steps.end(), "clear"), 0) << "no result rows";
}

INSTANTIATE_TEST_SUITE_P(Range, CramerOverflow,
    testing::Values(OverflowCase { "MainDeterminant", matrixFromRows({ { 1e30f, 0, 1 }, { 0, 1e30f, 1 } }),
                        { OverflowValue::MainDeterminant, 0 }, 0 },
        OverflowCase { "SecondNumerator", matrixFromRows({ { 1e10f, 0, 0 }, { 0, 1, 1e30f } }),
            { OverflowValue::NumeratorDeterminant, 2 }, 2 },
        OverflowCase { "FirstSolution", matrixFromRows({ { 1e-5f, 0, 1e35f }, { 0, 1e-5f, 1 } }),
            { OverflowValue::Solution, 1 }, 2 }),
    [](const testing::TestParamInfo<OverflowCase>& info) { return std::string(info.param.name); });

class TextGrid : public CellSource {
public:
    explicit TextGrid(std::vector<std::vector<std::string>> rows)
        : rows_(std::move(rows))
    {
    }
    std::string cellText(int row, int column) const override { return rows_[row - 1][column - 1]; }

private:
    std::vector<std::vector<std::string>> rows_;
};

TEST(SolveSystem, ReadsTheGridThenSolves)
{
    SystemStore store;
    store.SystemSize = 2;
    RecordingDisplay display;
    const auto outcome
        = solveSystem(store, TextGrid({ { "3", "0", "1" }, { "0", "3", "2" } }), kCLocale, display);
    EXPECT_EQ(outcome.status, SolveStatus::Solved);
    EXPECT_EQ(display.announced.size(), 3u);
}

TEST(SolveSystem, ABadCellStopsBeforeAnyDeterminant)
{
    SystemStore store;
    store.SystemSize = 2;
    RecordingDisplay display;
    const auto outcome
        = solveSystem(store, TextGrid({ { "3", "0", "1" }, { "0", "x", "2" } }), kCLocale, display);
    EXPECT_EQ(outcome.status, SolveStatus::BadCell);
    ASSERT_TRUE(outcome.cell);
    EXPECT_EQ(*outcome.cell, (CellError { 2, 2, "x", ConversionError::NotANumber }));
    EXPECT_TRUE(display.steps.empty());
}

} // namespace
} // namespace cramer
