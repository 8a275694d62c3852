// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/exercise.h"

#include "solver/cramer_sequence.h"
#include "solver/exact.h"

#include <array>
#include <numeric>
#include <optional>

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

// A coefficient in -9 … 9 for the last unknown, whose numerator over q is
// `last` (prime to q), that makes the row's sum of numerators, `sum` so
// far, a multiple of q: the right-hand side a whole number.
int ExerciseMaker::wholeRowCoefficient(int sum, int last, int q)
{
    std::vector<int> fitting;
    for (int a = -9; a <= 9; ++a)
        if ((sum + a * last) % q == 0)
            fitting.push_back(a);
    return fitting[static_cast<std::size_t>(uniform(0, static_cast<int>(fitting.size()) - 1))];
}

std::optional<ExerciseMaker::Solution> ExerciseMaker::solution(int n, SolutionKind kind)
{
    constexpr std::array<int, 3> kEnding { 2, 4, 5 };
    constexpr std::array<int, 4> kRecurring { 3, 6, 7, 9 };
    // Recurring answers share one denominator q, the last one's numerator
    // prime to it, so that each row's last coefficient can make the
    // right-hand side whole (next).
    Solution chosen;
    chosen.shared = kind == SolutionKind::Recurring ? kRecurring[static_cast<std::size_t>(uniform(0, 3))] : 0;
    bool allWhole = true;
    for (int j = 0; j < n; ++j) {
        // Integers draw no denominator: a seed's exercises stay as they were.
        int denominator = chosen.shared > 0 ? chosen.shared : 1;
        if (kind == SolutionKind::SimpleFractions)
            denominator = kEnding[static_cast<std::size_t>(uniform(0, 2))];
        const int numerator = uniform(-9 * denominator, 9 * denominator);
        allWhole = allWhole && numerator % denominator == 0;
        chosen.numerators.push_back(numerator);
        chosen.x.push_back(Rational(numerator) / Rational(denominator));
    }
    if (kind == SolutionKind::SimpleFractions && allWhole)
        return std::nullopt;
    if (chosen.shared > 0 && std::gcd(chosen.numerators.back(), chosen.shared) != 1)
        return std::nullopt;
    return chosen;
}

TypedSystem ExerciseMaker::next(int n, SolutionKind kind)
{
    for (int attempt = 0;; ++attempt) {
        const std::optional<Solution> chosen = solution(n, kind);
        if (!chosen)
            continue;
        const std::vector<Rational>& x = chosen->x;
        const int shared = chosen->shared;
        const std::vector<int>& numerators = chosen->numerators;

        std::vector<Rational> coefficients; // n rows of n
        std::vector<Rational> right; // the right-hand sides
        TypedSystem system { n, {} };
        for (int row = 0; row < n; ++row) {
            Rational sum;
            int numeratorSum = 0; // of the numerators over q, recurring answers' row so far
            for (int column = 0; column < n; ++column) {
                int a = uniform(-9, 9);
                if (shared > 0 && column == n - 1)
                    a = wholeRowCoefficient(numeratorSum, numerators.back(), shared);
                numeratorSum += a * numerators[static_cast<std::size_t>(column)];
                coefficients.emplace_back(a);
                sum += Rational(a) * x[static_cast<std::size_t>(column)];
                system.texts.push_back(std::to_string(a));
            }
            // Terminates: the denominator divides 20, or the row is whole.
            system.texts.push_back(sum.decimal("."));
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
            exact = record.shownSolutions[static_cast<std::size_t>(j)] == roundToPlaces(chosen, 3)
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
