// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The solver's state: the size of the system, the system as read from the
// grid, two working copies that the determinant routine destroys, and the
// result vectors. Owned by the window for its whole life and rebuilt from
// the grid on every solve.

#include "solver/number_text.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cramer {

inline constexpr int kMinSize = 2;
inline constexpr int kMaxSize = 9;

// Indexed from 1: rows are equations, columns unknowns, column n + 1 the
// right-hand sides. Index 0 and indexes above n are never read.
using Matrix = std::array<std::array<float, 23>, 21>;
using Vector = std::array<float, 21>;

struct SystemStore {
    std::int16_t SystemSize = 0;
    Matrix SystemMatrix {};
    Matrix MainWorkMatrix {};
    Matrix SubstitutedMatrix {};
    Vector NumeratorDeterminants {};
    Vector Solutions {};

    // Working fields of the determinant routine; DetProduct and DetResult
    // hold the last determinant until the next one is computed.
    std::int16_t PivotStep = 0;
    std::int16_t SwapIndex = 0;
    float Pivot = 0.0f;
    float Factor = 0.0f;
    float DetProduct = 0.0f;
    float DetResult = 0.0f;
};

// Where `masiv` reads the typed texts from: grid cell (row, column), both
// counted from 1, as UTF-8.
class CellSource {
public:
    virtual ~CellSource() = default;
    virtual std::string cellText(int row, int column) const = 0;
};

// Cells from texts held elsewhere: n rows of n + 1, row by row.
class TextCells : public CellSource {
public:
    TextCells(int n, const std::vector<std::string>& texts)
        : n_(n)
        , texts_(texts)
    {
    }
    std::string cellText(int row, int column) const override
    {
        return texts_[static_cast<std::size_t>((row - 1) * (n_ + 1) + column - 1)];
    }

private:
    int n_;
    const std::vector<std::string>& texts_;
};

struct CellError {
    int row = 0;
    int column = 0;
    std::string text;
    ConversionError kind = ConversionError::NotANumber;

    bool operator==(const CellError&) const = default;
};

// Reads rows 1 … size, columns 1 … size + 1, row by row, into SystemMatrix
// and copies them into SubstitutedMatrix and MainWorkMatrix. The first cell
// that cannot be converted stops the reading: the cells before it are
// stored, the copies are not made. Any other size reads nothing.
std::optional<CellError> masiv(
    SystemStore& store, std::int16_t size, const CellSource& cells, const NumberLocale& locale);

// Copies rows 1 … size, columns 1 … size + 1 of `from` into `to`.
void copySystem(const Matrix& from, Matrix& to, int size);

} // namespace cramer
