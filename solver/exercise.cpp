// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/exercise.h"

#include "solver/cramer_sequence.h"
#include "solver/exact.h"

#include <array>

namespace cramer {
namespace {

const NumberLocale kPlainNumbers { ".", "" };

} // namespace

ExerciseMaker::ExerciseMaker(std::uint64_t seed)
    : generator_(seed)
{
}

// Reduction by modulo: the same exercises from a seed on every platform.
int ExerciseMaker::uniform(int lowest, int highest)
{
    return lowest + static_cast<int>(generator_() % static_cast<std::uint64_t>(highest - lowest + 1));
}

TypedSystem ExerciseMaker::next(int n, SolutionKind kind)
{
    constexpr std::array<int, 3> kDenominators { 2, 4, 5 };
    for (;;) {
        std::vector<Rational> x;
        bool allWhole = true;
        for (int j = 0; j < n; ++j) {
            const int denominator
                = kind == SolutionKind::Integers ? 1 : kDenominators[static_cast<std::size_t>(uniform(0, 2))];
            const int numerator = uniform(-9 * denominator, 9 * denominator);
            allWhole = allWhole && numerator % denominator == 0;
            x.push_back(Rational(numerator) / Rational(denominator));
        }
        if (kind == SolutionKind::SimpleFractions && allWhole)
            continue;

        std::vector<Rational> coefficients;
        TypedSystem system { n, {} };
        for (int row = 0; row < n; ++row) {
            Rational right;
            for (int column = 0; column < n; ++column) {
                const int a = uniform(-9, 9);
                coefficients.emplace_back(a);
                right += Rational(a) * x[static_cast<std::size_t>(column)];
                system.texts.push_back(std::to_string(a));
            }
            system.texts.push_back(right.decimal(".")); // terminates: the denominator divides 20
        }
        if (determinant(coefficients, n).isZero())
            continue;

        // The program's own solve must show exactly these x_i.
        const SolveRecord record = solveQuietly(n, system.texts, kPlainNumbers);
        if (record.outcome.status != SolveStatus::Solved)
            continue;
        bool exact = true;
        for (int j = 0; j < n && exact; ++j)
            exact = record.shownSolutions[static_cast<std::size_t>(j)]
                == x[static_cast<std::size_t>(j)].nearestSingle();
        if (exact)
            return system;
    }
}

} // namespace cramer
