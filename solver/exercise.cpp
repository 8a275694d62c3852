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
    for (int attempt = 0;; ++attempt) {
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

        std::vector<Rational> coefficients; // n rows of n
        std::vector<Rational> right; // the right-hand sides
        TypedSystem system { n, {} };
        for (int row = 0; row < n; ++row) {
            Rational sum;
            for (int column = 0; column < n; ++column) {
                const int a = uniform(-9, 9);
                coefficients.emplace_back(a);
                sum += Rational(a) * x[static_cast<std::size_t>(column)];
                system.texts.push_back(std::to_string(a));
            }
            system.texts.push_back(sum.decimal(".")); // terminates: the denominator divides 20
            right.push_back(std::move(sum));
        }
        if (determinant(coefficients, n).isZero())
            continue;
        // d with the right-hand sides in column `substituted` (0: none).
        auto exactDeterminant = [&](int substituted) {
            std::vector<Rational> matrix = coefficients;
            if (substituted > 0) {
                for (int row = 0; row < n; ++row)
                    matrix[static_cast<std::size_t>(row * n + substituted - 1)]
                        = right[static_cast<std::size_t>(row)];
            }
            return determinant(matrix, n);
        };

        // The program's own solve must show exactly these x_i, and for small
        // systems compute them exactly in single precision too.
        const SolveRecord record = solveQuietly(n, system.texts, kPlainNumbers);
        if (record.outcome.status != SolveStatus::Solved)
            continue;
        bool exact = true;
        for (int j = 0; j < n && exact; ++j) {
            const float chosen = x[static_cast<std::size_t>(j)].nearestSingle();
            exact = record.shownSolutions[static_cast<std::size_t>(j)] == chosen
                && (n > kExactSinglesUpTo || record.quotients[static_cast<std::size_t>(j)] == chosen);
        }
        // Every determinant exact as well, while the search is young.
        if (exact && n <= kExactSinglesUpTo && attempt < kAttemptsForExactDeterminants) {
            for (const DeterminantRecord& entry : record.determinants)
                exact = exact && Rational::fromSingle(entry.trace.value) == exactDeterminant(entry.index);
        }
        if (exact)
            return system;
    }
}

} // namespace cramer
