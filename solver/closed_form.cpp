// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/closed_form.h"

namespace cramer {
namespace {

struct Pattern {
    std::array<int, 3> columns; // of rows 1, 2, 3
    bool negative;
};

// The main diagonal and its two parallels with +, the other three with −.
constexpr std::array<Pattern, 6> kSarrus { {
    { { 1, 2, 3 }, false },
    { { 2, 3, 1 }, false },
    { { 3, 1, 2 }, false },
    { { 3, 2, 1 }, true },
    { { 1, 3, 2 }, true },
    { { 2, 1, 3 }, true },
} };

constexpr std::array<Pattern, 2> kCross { {
    { { 1, 2, 0 }, false },
    { { 2, 1, 0 }, true },
} };

} // namespace

std::optional<ClosedForm> closedForm(int n, const MatrixEntry& entry)
{
    if (n != 2 && n != 3)
        return std::nullopt;
    ClosedForm form;
    auto add = [&](const Pattern& pattern) {
        ClosedFormTerm& term = form.terms.emplace_back();
        term.negative = pattern.negative;
        term.product = Rational(1);
        for (int row = 1; row <= n; ++row) {
            const int column = pattern.columns[static_cast<std::size_t>(row - 1)];
            term.cells.push_back({ row, column });
            term.factors.push_back(entry(row, column));
            term.product *= entry(row, column);
        }
        form.value = term.negative ? form.value - term.product : form.value + term.product;
    };
    if (n == 2)
        for (const Pattern& pattern : kCross)
            add(pattern);
    else
        for (const Pattern& pattern : kSarrus)
            add(pattern);
    return form;
}

} // namespace cramer
