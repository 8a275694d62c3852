// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "solver/system_store.h"

namespace cramer {

enum class DetStatus {
    Ok,
    Overflow, // some intermediate left the single-precision range
};

// Determinant of the leading size × size block of `matrix` by Gaussian
// elimination in single precision, with a row-exchange pivot search and
// exact zero tests. Works in place: the block is left eliminated; column
// size + 1 and everything beyond the block are untouched. The result is
// left in store.DetProduct and store.DetResult.
DetStatus presmetnidet(SystemStore& store, Matrix& matrix, std::int16_t size);

} // namespace cramer
