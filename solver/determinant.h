// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "solver/system_store.h"

#include <array>
#include <vector>

namespace cramer {

enum class DetStatus {
    Ok,
    Overflow, // some intermediate left the single-precision range
};

// A determinant's value and whether every value on the way stayed within
// the single-precision range.
struct DeterminantValue {
    float value = 0.0f;
    DetStatus status = DetStatus::Ok;
};

// Determinant of the leading size × size block of `matrix` by Gaussian
// elimination in single precision, with a row-exchange pivot search and
// exact zero tests. Works in place: the block is left eliminated; column
// size + 1 and everything beyond the block are untouched. The value is also
// left in store.DetProduct and store.DetResult, the form's shared state.
DeterminantValue presmetnidet(SystemStore& store, Matrix& matrix, std::int16_t size);

// The leading n × n block of a matrix, rows and columns counted from 1.
struct SquareBlock {
    int n = 0;
    std::array<float, kMaxSize * kMaxSize> values {};

    float at(int row, int column) const
    {
        return values[static_cast<std::size_t>((row - 1) * kMaxSize + column - 1)];
    }
    float& at(int row, int column)
    {
        return values[static_cast<std::size_t>((row - 1) * kMaxSize + column - 1)];
    }
    static SquareBlock of(const Matrix& matrix, int n);
    bool operator==(const SquareBlock&) const = default;
};

// One column k of the elimination, as it happened.
struct EliminationStep {
    int column = 0;
    // Each failed pivot test exchanges row k with the next row down (over
    // columns k … n) and flips the sign: the rows exchanged with k, in order.
    std::vector<int> exchangedWith;
    float pivot = 0.0f; // 0 when the search found none
    float productAfterPivot = 0.0f; // the running product, sign and pivots so far
    std::vector<float> factors; // the multipliers of rows k + 1 … n
    SquareBlock pivotRowDivided; // the block after the exchanges and the division of row k
    SquareBlock cleared; // the block after column k is cleared below the pivot
};

// How presmetnidet arrived at its value, recorded by the same routine.
struct EliminationTrace {
    SquareBlock start;
    std::vector<EliminationStep> steps;
    bool pivotSearchFailed = false; // the early exit with 0
    std::vector<float> diagonalProducts; // the product after each M(i, i), i = 1 … n
    float value = 0.0f;
    DetStatus status = DetStatus::Ok;
};

// presmetnidet, recording every step into `trace`: the same arithmetic, the
// same result and the same state of `matrix` and `store` afterwards.
DeterminantValue presmetnidet(SystemStore& store, Matrix& matrix, std::int16_t size, EliminationTrace& trace);

} // namespace cramer
