// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/exact_working.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace cramer {
namespace {

using Rows = std::vector<std::vector<Rational>>;

struct ReducedForm {
    int rank = 0; // of the coefficients
    int augmentedRank = 0;
    std::vector<int> pivotColumns; // of the coefficients, per pivot row
    Rows rows; // reduced row echelon form of [A | b]
};

// Gauss–Jordan on the augmented matrix: the ranks of A and [A | b] and the
// form the solution is read from.
ReducedForm reduce(Rows rows)
{
    const std::size_t n = rows.size();
    const std::size_t columns = n + 1;
    ReducedForm form;
    std::size_t row = 0;
    for (std::size_t column = 0; column < columns && row < n; ++column) {
        std::size_t pivotRow = row;
        while (pivotRow < n && rows[pivotRow][column].isZero())
            ++pivotRow;
        if (pivotRow == n)
            continue;
        std::swap(rows[pivotRow], rows[row]);
        const Rational pivot = rows[row][column];
        for (std::size_t j = column; j < columns; ++j)
            rows[row][j] /= pivot;
        for (std::size_t i = 0; i < n; ++i) {
            if (i == row || rows[i][column].isZero())
                continue;
            const Rational factor = rows[i][column];
            for (std::size_t j = column; j < columns; ++j)
                rows[i][j] -= factor * rows[row][j];
        }
        if (column < n)
            form.pivotColumns.push_back(static_cast<int>(column));
        ++row;
    }
    form.rank = static_cast<int>(form.pivotColumns.size());
    form.augmentedRank = static_cast<int>(row);
    form.rows = std::move(rows);
    return form;
}

GeneralSolution generalSolution(const ReducedForm& form, int n)
{
    GeneralSolution general;
    std::vector<bool> isPivot(static_cast<std::size_t>(n), false);
    for (int column : form.pivotColumns)
        isPivot[static_cast<std::size_t>(column)] = true;
    for (int j = 0; j < n; ++j)
        if (!isPivot[static_cast<std::size_t>(j)])
            general.freeUnknowns.push_back(j + 1);

    const std::size_t parameters = general.freeUnknowns.size();
    general.constants.assign(static_cast<std::size_t>(n), Rational());
    general.coefficients.assign(static_cast<std::size_t>(n), std::vector<Rational>(parameters));
    for (std::size_t p = 0; p < parameters; ++p)
        general.coefficients[static_cast<std::size_t>(general.freeUnknowns[p] - 1)][p] = Rational(1);
    for (std::size_t r = 0; r < form.pivotColumns.size(); ++r) {
        const auto j = static_cast<std::size_t>(form.pivotColumns[r]);
        general.constants[j] = form.rows[r][static_cast<std::size_t>(n)];
        for (std::size_t p = 0; p < parameters; ++p)
            general.coefficients[j][p] = -form.rows[r][static_cast<std::size_t>(general.freeUnknowns[p] - 1)];
    }
    return general;
}

} // namespace

ValueError ValueError::of(float single, const Rational& exact)
{
    ValueError error;
    error.single = single;
    error.exact = exact;
    const Rational difference = Rational::fromSingle(single) - exact;
    error.absolute = difference.abs();
    if (!exact.isZero())
        error.relative = (error.absolute / exact.abs()).toDouble();
    // Singles in order as integers: the sign-magnitude bit pattern made signed.
    auto ordered = [](float value) {
        const auto bits = std::bit_cast<std::uint32_t>(value);
        const auto magnitude = static_cast<std::int64_t>(bits & 0x7FFFFFFFu);
        return (bits & 0x80000000u) != 0 ? -magnitude : magnitude;
    };
    error.steps = std::llabs(ordered(single) - ordered(exact.nearestSingle()));
    error.correctlyRounded = error.steps == 0;
    return error;
}

namespace {

// The typed numbers exactly, from their texts where they are numbers; stops
// at the first one too long to compute with.
void readTyped(const SolveRecord& record, ExactWorking& working)
{
    const int n = record.typed.n;
    const bool haveTexts = record.typed.texts.size() == static_cast<std::size_t>(n * (n + 1));
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n + 1; ++column) {
            std::optional<DecimalNumber> decimal;
            if (haveTexts)
                decimal = parseDecimal(record.text(row, column), record.locale);
            if (!decimal) {
                working.typed.push_back(Rational::fromSingle(record.system[row][column]));
                continue;
            }
            const std::size_t first = decimal->digits.find_first_not_of('0');
            if (first == std::string::npos) {
                working.typed.emplace_back(); // zero, whatever its exponent
                continue;
            }
            const auto significant = static_cast<std::int64_t>(decimal->digits.size() - first);
            const std::size_t length
                = decimal->digits.size() + static_cast<std::size_t>(std::llabs(decimal->exponent));
            if (length > kLongestExactNumber) {
                // Below 10^-45, under the smallest subnormal.
                const bool belowSingles = significant + decimal->exponent <= -45;
                working.tooLong = ExactWorking::Cell { row, column, belowSingles };
                working.typed.clear();
                return;
            }
            working.typed.push_back(Rational::fromDecimal(*decimal));
        }
    }
}

// Exact d = 0: the ranks and, where there are solutions, the general one.
void rankVerdict(int n, ExactWorking& working)
{
    Rows augmented(static_cast<std::size_t>(n));
    for (int row = 1; row <= n; ++row)
        for (int column = 1; column <= n + 1; ++column)
            augmented[static_cast<std::size_t>(row - 1)].push_back(working.typedValue(n, row, column));
    const ReducedForm form = reduce(std::move(augmented));
    working.rank = form.rank;
    working.augmentedRank = form.augmentedRank;
    if (form.augmentedRank > form.rank) {
        working.verdict = ExactVerdict::NoSolution;
    } else {
        working.verdict = ExactVerdict::InfinitelyMany;
        working.general = generalSolution(form, n);
    }
}

// The solve's x against the exact ones, and each equation with them.
void checkResults(const SolveRecord& record, ExactWorking& working)
{
    const int n = record.typed.n;
    for (std::size_t i = 0; i < record.quotients.size(); ++i) {
        // Against x_i where it exists; for a singular system the quotient
        // stands beside the exact d_i / d it tries to be, which is none.
        if (working.verdict == ExactVerdict::OneSolution)
            working.quotients.push_back(ValueError::of(record.quotients[i], working.solution[i]));
    }
    for (int row = 1; row <= n; ++row) {
        Residual residual;
        float left = 0.0f;
        Rational exactLeft;
        for (int column = 1; column <= n; ++column) {
            const float x = record.quotients[static_cast<std::size_t>(column - 1)];
            left = left + record.system[row][column] * x;
            exactLeft += working.typedValue(n, row, column) * Rational::fromSingle(x);
        }
        residual.single = left - record.system[row][n + 1];
        residual.exact = exactLeft - working.typedValue(n, row, n + 1);
        working.residuals.push_back(std::move(residual));
    }
}

} // namespace

ExactWorking computeExactWorking(const SolveRecord& record)
{
    ExactWorking working;
    const int n = record.typed.n;
    readTyped(record, working);
    if (working.tooLong)
        return working;

    // d and d_1 … d_n by Cramer's rule itself, exactly.
    auto exactDeterminant = [&](int substituted) {
        std::vector<Rational> matrix;
        for (int row = 1; row <= n; ++row)
            for (int column = 1; column <= n; ++column)
                matrix.push_back(working.entryOf(n, substituted, row, column));
        return determinant(matrix, n);
    };
    // Each determinant once, and only where it is needed.
    std::vector<std::optional<Rational>> determinants(static_cast<std::size_t>(n) + 1);
    auto determinantAt = [&](int index) -> const Rational& {
        std::optional<Rational>& known = determinants[static_cast<std::size_t>(index)];
        if (!known)
            known = exactDeterminant(index);
        return *known;
    };
    for (const DeterminantRecord& entry : record.determinants) {
        if (entry.trace.status != DetStatus::Ok)
            break; // no value was announced
        working.determinants.push_back(ValueError::of(entry.trace.value, determinantAt(entry.index)));
    }
    working.determinant = determinantAt(0);

    if (!working.determinant.isZero()) {
        working.verdict = ExactVerdict::OneSolution;
        working.rank = n;
        working.augmentedRank = n;
        for (int index = 0; index <= n; ++index)
            working.cramerDeterminants.push_back(determinantAt(index));
        for (int index = 1; index <= n; ++index)
            working.solution.push_back(determinantAt(index) / working.determinant);
    } else {
        rankVerdict(n, working);
    }

    const bool singleD = !working.determinants.empty();
    const bool singleZero = singleD && working.determinants.front().single == 0.0f;
    if (singleZero && !working.determinant.isZero())
        working.disagreement = Disagreement::ZeroOnlyInSingle;
    else if (singleD && !singleZero && working.determinant.isZero())
        working.disagreement = Disagreement::ZeroOnlyExactly;

    if (record.outcome.status == SolveStatus::Solved)
        checkResults(record, working);
    return working;
}

} // namespace cramer
