// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// New exercises: systems with small integer coefficients and a nice
// solution. The program's result rows show exactly that solution; for up to
// kExactSinglesUpTo equations its single-precision x_i are exactly the
// chosen values too, and, where the search finds such a system within its
// budget of attempts, so are d and every d_i. Larger systems keep a trace of
// single precision in the last digits of their x_i.

#include "solver/exact.h"
#include "solver/typed_system.h"

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace cramer {

enum class SolutionKind {
    Integers, // x_i in -9 … 9
    SimpleFractions, // x_i = k/2, k/4 or k/5 within -9 … 9, not all whole
    Recurring, // x_i = k/3, k/6, k/7 or k/9 within -9 … 9, one at least a decimal that never ends
};

inline constexpr int kExactSinglesUpTo = 4;
inline constexpr int kAttemptsForExactDeterminants = 200;

class ExerciseMaker {
public:
    explicit ExerciseMaker(std::uint64_t seed);

    // Coefficients in -9 … 9, exactly regular. The texts use "." as the
    // decimal point.
    TypedSystem next(int n, SolutionKind kind);

private:
    // The x_i of an exercise of `kind`: each a numerator over its
    // denominator, `shared` by all where the answers never end (else 0).
    struct Solution {
        std::vector<Rational> x;
        std::vector<int> numerators;
        int shared = 0;
    };
    // Nothing where the draw does not fit the kind (to be drawn again).
    std::optional<Solution> solution(int n, SolutionKind kind);
    int uniform(int lowest, int highest);
    int wholeRowCoefficient(int sum, int last, int q);

    std::mt19937_64 generator_;
};

} // namespace cramer
