// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A block of cells as spreadsheets and worksheets put it on the clipboard or
// into a file: one row a line, cells split by tabs, by semicolons, or by
// blanks and commas (commas only where they are not the decimal separator).
// UTF-8 throughout.

#include <string>
#include <string_view>
#include <vector>

namespace cramer {

struct TextBlock {
    std::vector<std::vector<std::string>> rows; // cells trimmed, exactly as written otherwise

    int height() const { return static_cast<int>(rows.size()); }
    int width() const; // the longest row
    bool isRagged() const;
    bool isSingleCell() const { return rows.size() <= 1 && width() <= 1; }
};

// Empty trailing lines are dropped; "\r\n" counts as one line break.
TextBlock splitTextBlock(std::string_view text, bool commaIsDecimalPoint);

// One line split by the same rules.
std::vector<std::string> splitRow(std::string_view line, bool commaIsDecimalPoint);

// Blanks around a text: spaces, tabs and the no-break spaces.
std::string_view trimmed(std::string_view text);

} // namespace cramer
