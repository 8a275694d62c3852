// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// New exercises: systems with small integer coefficients and a nice
// solution that the program's own single-precision method finds exactly.

#include "solver/system_file.h"

#include <cstdint>
#include <random>

namespace cramer {

enum class SolutionKind {
    Integers, // x_i in -9 … 9
    SimpleFractions, // x_i = k/2, k/4 or k/5 within -9 … 9, not all whole
};

class ExerciseMaker {
public:
    explicit ExerciseMaker(std::uint64_t seed);

    // Coefficients in -9 … 9; exactly regular, and solved by the program's
    // elimination to the very x_i its result rows then show. The texts use
    // "." as the decimal point.
    TypedSystem next(int n, SolutionKind kind);

private:
    int uniform(int lowest, int highest);

    std::mt19937_64 generator_;
};

} // namespace cramer
