// SPDX-License-Identifier: GPL-3.0-or-later

// Splitting blocks of numbers from the clipboard or a file.

#include "sheets/text_block.h"

#include <gtest/gtest.h>

namespace cramer {
namespace {

struct SplitCase {
    const char* name;
    const char* text;
    char decimalPoint;
    std::vector<std::vector<std::string>> rows;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitsBlock : public testing::TestWithParam<SplitCase> { };

TEST_P(SplitsBlock, IntoRowsOfTrimmedCells)
{
    const SplitCase& c = GetParam();
    const TextBlock block = splitTextBlock(c.text, c.decimalPoint == ',');
    std::vector<std::vector<std::string>> rows;
    for (const TextRow& row : block.rows) {
        rows.emplace_back();
        for (const TextCell& cell : row.cells)
            rows.back().push_back(cell.text);
    }
    EXPECT_EQ(rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(Separators, SplitsBlock,
    testing::Values(SplitCase { "Tabs", "1\t2\t3\n4\t5\t6\n", '.', { { "1", "2", "3" }, { "4", "5", "6" } } },
        SplitCase { "EmptyCellsBetweenTabs", "1\t\t 3 ", '.', { { "1", "", "3" } } },
        SplitCase { "WindowsLineBreaksAndEmptyTrailingLines", "1\t2\r\n3\t4\r\n\r\n  \n", '.',
            { { "1", "2" }, { "3", "4" } } },
        SplitCase { "Semicolons", "1,5; 2,5\n3;4", ',', { { "1,5", "2,5" }, { "3", "4" } } },
        SplitCase { "RunsOfBlanks", "  1   -2\n3 4e2  ", '.', { { "1", "-2" }, { "3", "4e2" } } },
        SplitCase { "CommasWhereTheyAreNoDecimal", "1, 2.5,3 ,4", '.', { { "1", "2.5", "3", "4" } } },
        SplitCase { "CommasAsDecimalUnderBulgarian", "1,5 2,5", ',', { { "1,5", "2,5" } } },
        // Typed line by line, each line with a separator of its own.
        SplitCase { "EachLineByItsOwnSeparator", "1,5; 2; 0\n0  \u22122,25  4\n1\t0\t3\n", ',',
            { { "1,5", "2", "0" }, { "0", "\u22122,25", "4" }, { "1", "0", "3" } } },
        SplitCase { "RaggedRowsKept", "1 2 3\n4 5", '.', { { "1", "2", "3" }, { "4", "5" } } },
        SplitCase { "OneCell", " 7 \n", '.', { { "7" } } },
        SplitCase {
            "QuotedCellsSplitAtCommasUnderBulgarian", "\"0,1\", \"2,5\",1", ',', { { "0,1", "2,5", "1" } } },
        SplitCase { "QuotesDoubledAndLineBreaksInside", "\"a\"\"b\",2\n\"x\ny\",3", '.',
            { { "a\"b", "2" }, { "x\ny", "3" } } },
        SplitCase {
            "AQuoteThatNeverClosesIsACharacter", "\"1,2\n3,4", '.', { { "\"1", "2" }, { "3", "4" } } },
        SplitCase { "CommentLineNeverQuoted", "# \"open\n1 2", '.', { { "#", "\"open" }, { "1", "2" } } },
        SplitCase { "BlanksKeptWhereCommasSeparate", "Система 1,,\n", '.', { { "Система 1", "", "" } } }),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(SplitsBlock, TellsItsShape)
{
    const TextBlock ragged = splitTextBlock("1 2 3\n4 5", false);
    EXPECT_EQ(ragged.height(), 2);
    EXPECT_EQ(ragged.width(), 3);
    EXPECT_TRUE(ragged.isRagged());
    EXPECT_TRUE(splitTextBlock("2,5", true).isSingleCell());
    EXPECT_FALSE(splitTextBlock("2,5", false).isSingleCell());
}

} // namespace
} // namespace cramer
