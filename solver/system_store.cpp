// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/system_store.h"

namespace cramer {

std::optional<CellError> masiv(
    SystemStore& store, std::int16_t size, const CellSource& cells, const NumberLocale& locale)
{
    if (size < kMinSize || size > kMaxSize)
        return std::nullopt;
    for (int row = 1; row <= size; ++row) {
        for (int column = 1; column <= size + 1; ++column) {
            std::string text = cells.cellText(row, column);
            const ParsedSingle parsed = parseSingle(text, locale);
            if (!parsed.ok())
                return CellError { row, column, std::move(text), parsed.error };
            store.SystemMatrix[row][column] = parsed.value;
        }
    }
    copySystem(store.SystemMatrix, store.SubstitutedMatrix, size);
    copySystem(store.SystemMatrix, store.MainWorkMatrix, size);
    return std::nullopt;
}

void copySystem(const Matrix& from, Matrix& to, int size)
{
    for (int row = 1; row <= size; ++row) {
        for (int column = 1; column <= size + 1; ++column)
            to[row][column] = from[row][column];
    }
}

} // namespace cramer
