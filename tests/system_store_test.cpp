// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/system_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace cramer {
namespace {

// A grid of texts that records the order in which cells are read.
class FakeGrid : public CellSource {
public:
    std::string cellText(int row, int column) const override
    {
        reads.emplace_back(row, column);
        const auto it = texts.find({ row, column });
        return it == texts.end() ? std::string() : it->second;
    }

    void fill(int size, auto valueOf)
    {
        for (int row = 1; row <= size; ++row)
            for (int column = 1; column <= size + 1; ++column)
                texts[{ row, column }] = valueOf(row, column);
    }

    std::map<std::pair<int, int>, std::string> texts;
    mutable std::vector<std::pair<int, int>> reads;
};

std::string numberText(int row, int column) { return std::to_string(10 * row + column); }

TEST(Masiv, ReadsTwoByTwoRowByRowWithTheRightHandSideInColumnThree)
{
    FakeGrid grid;
    grid.fill(2, numberText);
    SystemStore store;
    ASSERT_FALSE(masiv(store, 2, grid, kCLocale));
    using Cell = std::pair<int, int>;
    EXPECT_THAT(grid.reads,
        testing::ElementsAre(
            Cell { 1, 1 }, Cell { 1, 2 }, Cell { 1, 3 }, Cell { 2, 1 }, Cell { 2, 2 }, Cell { 2, 3 }));
    EXPECT_EQ(store.SystemMatrix[1][3], 13.0f);
    EXPECT_EQ(store.SystemMatrix[2][3], 23.0f);
}

TEST(Masiv, ReadsAllNinetyCellsForNineAndCopiesThemIntoBothWorkingMatrices)
{
    FakeGrid grid;
    grid.fill(9, numberText);
    SystemStore store;
    ASSERT_FALSE(masiv(store, 9, grid, kCLocale));
    EXPECT_EQ(grid.reads.size(), 90u);
    for (int row = 1; row <= 9; ++row) {
        EXPECT_EQ(store.SystemMatrix[row][10], static_cast<float>(10 * row + 10)) << "b" << row;
        for (int column = 1; column <= 10; ++column) {
            EXPECT_EQ(store.MainWorkMatrix[row][column], store.SystemMatrix[row][column]);
            EXPECT_EQ(store.SubstitutedMatrix[row][column], store.SystemMatrix[row][column]);
        }
    }
}

TEST(Masiv, StoresDecimalsRoundedToSingleUnderTheGivenLocale)
{
    FakeGrid grid;
    grid.fill(2, [](int, int) { return std::string("0,1"); });
    SystemStore store;
    ASSERT_FALSE(masiv(store, 2, grid, NumberLocale { ",", "\u00A0" }));
    EXPECT_EQ(store.SystemMatrix[2][2], 0.1f);
}

TEST(Masiv, StopsAtTheFirstBadCellAndNamesIt)
{
    FakeGrid grid;
    grid.fill(3, numberText);
    grid.texts[{ 2, 4 }] = "12abc";
    grid.texts[{ 3, 1 }] = "also bad";
    SystemStore store;
    const auto error = masiv(store, 3, grid, kCLocale);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, (CellError { 2, 4, "12abc", ConversionError::NotANumber }));
    EXPECT_EQ(grid.reads.back(), std::make_pair(2, 4));
    EXPECT_EQ(store.SystemMatrix[2][3], 23.0f) << "cells before the bad one are stored";
    EXPECT_EQ(store.MainWorkMatrix[1][1], 0.0f) << "no copy is made";
}

TEST(Masiv, ReportsAnEmptyCellAndAnOutOfRangeCell)
{
    FakeGrid grid;
    grid.fill(2, numberText);
    grid.texts[{ 1, 2 }] = "";
    SystemStore store;
    EXPECT_EQ(masiv(store, 2, grid, kCLocale), (CellError { 1, 2, "", ConversionError::NotANumber }));
    grid.texts[{ 1, 2 }] = "1e40";
    EXPECT_EQ(masiv(store, 2, grid, kCLocale), (CellError { 1, 2, "1e40", ConversionError::OutOfRange }));
}

TEST(Masiv, SmallerSystemLeavesTheOldLargerValuesUntouched)
{
    FakeGrid grid;
    grid.fill(3, numberText);
    SystemStore store;
    ASSERT_FALSE(masiv(store, 3, grid, kCLocale));
    grid.reads.clear();
    grid.fill(2, [](int, int) { return std::string("1"); });
    ASSERT_FALSE(masiv(store, 2, grid, kCLocale));
    EXPECT_EQ(grid.reads.size(), 6u);
    for (const Matrix* matrix : { &store.SystemMatrix, &store.MainWorkMatrix, &store.SubstitutedMatrix }) {
        EXPECT_EQ((*matrix)[3][1], 31.0f);
        EXPECT_EQ((*matrix)[1][4], 14.0f);
        EXPECT_EQ((*matrix)[2][2], 1.0f);
    }
}

TEST(Masiv, ReadsNothingForASizeOutsideTwoToNine)
{
    FakeGrid grid;
    SystemStore store;
    EXPECT_FALSE(masiv(store, 1, grid, kCLocale));
    EXPECT_FALSE(masiv(store, 10, grid, kCLocale));
    EXPECT_TRUE(grid.reads.empty());
}

} // namespace
} // namespace cramer
