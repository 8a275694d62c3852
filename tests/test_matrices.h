// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Builds solver matrices from rows written as in a textbook.

#include "solver/system_store.h"

#include <initializer_list>

namespace cramer::testing_support {

// Rows 1 … n, columns 1 … (row length), every other element set to `filler`
// so that a test can see what was never touched.
inline Matrix matrixFromRows(std::initializer_list<std::initializer_list<float>> rows, float filler = 99.0f)
{
    Matrix matrix;
    for (auto& row : matrix)
        row.fill(filler);
    int i = 1;
    for (const auto& row : rows) {
        int j = 1;
        for (float value : row)
            matrix[i][j++] = value;
        ++i;
    }
    return matrix;
}

} // namespace cramer::testing_support
