// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Variants for a class: N different systems of one kind, each as hard as
// the others (the same n, coefficient range and number of zero
// coefficients, |d| within one factor of ten), each with its exact answer.
// A seed gives the same variants on every machine.

#include "solver/exact.h"
#include "solver/typed_system.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace cramer {

enum class AnswerKind {
    Integers, // x_i whole, within the coefficient range
    Fractions, // not all whole, denominators 2 … 12
    Decimals, // tenths and hundredths, not all whole
};

enum class SingularShare {
    None,
    Some, // about one variant in five singular: half with no solution, half with infinitely many
};

struct WorksheetRequest {
    int variants = 30;
    int n = 3;
    AnswerKind answers = AnswerKind::Integers;
    SingularShare singular = SingularShare::None;
    int range = 9; // coefficients in -range … range
    std::uint64_t seed = 1;
};

inline constexpr int kMostVariants = 60;
inline constexpr int kLargestRange = 99;

struct Variant {
    enum class Kind { OneSolution, NoSolution, InfinitelyMany };
    Kind kind = Kind::OneSolution;
    TypedSystem system; // the texts use "." as the decimal point
    Rational d;
    std::vector<Rational> solution; // x_1 … x_n; empty for a singular variant
};

// Fewer variants than asked could be made: how many, and why.
struct WorksheetShortfall {
    int made = 0;
    enum class Reason { TooFewSystems, OutOfRange } reason = Reason::TooFewSystems;
};

using WorksheetResult = std::variant<std::vector<Variant>, WorksheetShortfall>;

// The variants of `request`, pairwise distinct: no two equal, the rows of one
// a permutation or multiple of the other's, or with the same solution.
// Where the program's own solve of a one-solution variant shows its x_i,
// they are exactly the key's (rounded as the window rounds them).
WorksheetResult makeWorksheet(const WorksheetRequest& request);

} // namespace cramer
