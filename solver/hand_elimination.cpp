// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/hand_elimination.h"

#include <utility>

namespace cramer {
namespace {

std::vector<std::vector<Rational>> matrixOf(const ExactWorking& working, int n, int index)
{
    std::vector<std::vector<Rational>> rows(static_cast<std::size_t>(n));
    for (int row = 1; row <= n; ++row)
        for (int column = 1; column <= n; ++column)
            rows[static_cast<std::size_t>(row - 1)].push_back(working.entryOf(n, index, row, column));
    return rows;
}

} // namespace

HandElimination eliminateByHand(const ExactWorking& working, int n, int index)
{
    auto rows = matrixOf(working, n, index);
    const auto size = static_cast<std::size_t>(n);
    HandElimination elimination;
    for (std::size_t k = 0; k < size; ++k) {
        HandPivot pivot { static_cast<int>(k) + 1, 0, {} };
        std::size_t first = k;
        while (first < size && rows[first][k].isZero())
            ++first;
        if (first == size)
            return elimination; // a zero column below the diagonal: d = 0
        if (first != k) {
            std::swap(rows[first], rows[k]);
            pivot.exchangedWith = static_cast<int>(first) + 1;
            elimination.negated = !elimination.negated;
        }
        pivot.value = rows[k][k];
        for (std::size_t i = k + 1; i < size; ++i) {
            if (rows[i][k].isZero())
                continue;
            const Rational factor = rows[i][k] / pivot.value;
            for (std::size_t j = k; j < size; ++j)
                rows[i][j] -= factor * rows[k][j];
        }
        elimination.pivots.push_back(std::move(pivot));
    }
    return elimination;
}

ZeroLine mostZeros(const ExactWorking& working, int n, int index)
{
    const auto rows = matrixOf(working, n, index);
    ZeroLine best;
    best.zeros = -1;
    for (const bool row : { true, false })
        for (int line = 1; line <= n; ++line) {
            int zeros = 0;
            for (int other = 1; other <= n; ++other) {
                const auto r = static_cast<std::size_t>((row ? line : other) - 1);
                const auto c = static_cast<std::size_t>((row ? other : line) - 1);
                zeros += rows[r][c].isZero() ? 1 : 0;
            }
            if (zeros > best.zeros)
                best = { row, line, zeros };
        }
    return best;
}

} // namespace cramer
