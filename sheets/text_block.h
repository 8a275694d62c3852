// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A block of cells as spreadsheets and worksheets put it on the clipboard or
// into a file: one row a line, cells split by tabs, by semicolons, or by
// blanks and commas (commas only where they are not the decimal separator).
// A cell may be quoted as CSV quotes it ("2,5", with "" for a quote inside
// and line breaks kept); a row with a quoted cell is split at its commas
// whatever the locale. UTF-8 throughout; firstLineNotUtf8 says where a text is not.

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace cramer {

struct TextCell {
    std::string text; // trimmed, quotes taken off, exactly as written otherwise
    // A comma in it cannot have separated cells: the cell was quoted, or its
    // row is split by tabs or semicolons.
    bool sealed = false;
};

struct TextRow {
    int line = 0; // where the row starts in the text, from 1
    std::vector<TextCell> cells;
    bool comment = false; // the line's first mark is "#"
};

struct TextBlock {
    std::vector<TextRow> rows;
    bool cut = false; // more lines followed than were split

    int height() const { return static_cast<int>(rows.size()); }
    int width() const; // the longest row
    bool isRagged() const;
    bool isSingleCell() const { return rows.size() <= 1 && width() <= 1; }
};

// Empty trailing lines are dropped; "\r\n" counts as one line break. A line
// whose first mark is "#" is one cell as it stands, never quoted. Lines
// after the first `mostLines` are not split.
TextBlock splitTextBlock(std::string_view text, bool commaIsDecimalPoint,
    std::size_t mostLines = std::numeric_limits<std::size_t>::max());

// Well-formed UTF-8: no stray or overlong sequences, no surrogates,
// nothing beyond U+10FFFF. Returns the line of the first fault, or 0.
int firstLineNotUtf8(std::string_view text);

} // namespace cramer
