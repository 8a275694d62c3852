// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A system as the grid holds it, and the one rule for where a cell lies in
// a system's rows written one after another.

#include <cstddef>
#include <string>
#include <vector>

namespace cramer {

// Row `row` and column `column` (from 1) of a system of n unknowns, in its
// n rows of n + 1 values written row by row.
constexpr std::size_t cellIndex(int n, int row, int column)
{
    return static_cast<std::size_t>((row - 1) * (n + 1) + column - 1);
}

// Where column `column` of d_index comes from in the typed system: the
// right-hand sides (column n + 1) in place of column `index`; d (index 0)
// keeps every column.
constexpr int sourceColumn(int n, int index, int column) { return column == index ? n + 1 : column; }

// Its size and n rows of n + 1 texts.
struct TypedSystem {
    int n = 0;
    std::vector<std::string> texts; // row by row

    const std::string& text(int row, int column) const { return texts[cellIndex(n, row, column)]; }
    bool operator==(const TypedSystem&) const = default;
};

} // namespace cramer
