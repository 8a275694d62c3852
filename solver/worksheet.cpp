// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/worksheet.h"

#include "solver/cramer_sequence.h"
#include "solver/exercise.h"
#include "solver/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <random>
#include <set>

namespace cramer {
namespace {

const NumberLocale kPlainNumbers { ".", "" };

// Candidates drawn before the band of |d| is fixed: its middle is their median.
constexpr int kBandSample = 24;
// Attempts per variant asked before the worksheet gives up on more.
constexpr int kAttemptsPerVariant = 400;

class Drawer {
public:
    explicit Drawer(std::uint64_t seed)
        : generator_(seed)
    {
    }

    // Reduction by modulo: the same draws from a seed on every platform.
    int uniform(int lowest, int highest)
    {
        return lowest + static_cast<int>(generator_() % static_cast<std::uint64_t>(highest - lowest + 1));
    }
    int nonZero(int range)
    {
        const int value = uniform(1, range);
        return uniform(0, 1) == 0 ? value : -value;
    }
    template <typename T> void shuffle(std::vector<T>& values)
    {
        for (std::size_t i = values.size(); i > 1; --i)
            std::swap(values[i - 1], values[static_cast<std::size_t>(uniform(0, static_cast<int>(i) - 1))]);
    }

private:
    std::mt19937_64 generator_;
};

// Zero coefficients every variant has: a few, so that the work is alike.
int zerosFor(int n) { return (n - 1) * (n - 1) / 4; }

// The answers, drawn for the kind: within -limit … limit.
std::vector<Rational> drawAnswers(Drawer& draw, int n, AnswerKind kind, int limit)
{
    constexpr std::array<int, 8> kFractions { 2, 3, 4, 5, 6, 8, 10, 12 };
    constexpr std::array<int, 2> kDecimals { 10, 100 };
    for (;;) {
        std::vector<Rational> x;
        bool allWhole = true;
        for (int j = 0; j < n; ++j) {
            int denominator = 1;
            if (kind == AnswerKind::Fractions)
                denominator = kFractions[static_cast<std::size_t>(draw.uniform(0, kFractions.size() - 1))];
            else if (kind == AnswerKind::Decimals)
                denominator = kDecimals[static_cast<std::size_t>(draw.uniform(0, kDecimals.size() - 1))];
            const int numerator = draw.uniform(-limit * denominator, limit * denominator);
            allWhole = allWhole && numerator % denominator == 0;
            x.push_back(Rational(numerator) / Rational(denominator));
        }
        if (kind == AnswerKind::Integers || !allWhole)
            return x;
    }
}

struct Candidate {
    std::vector<Rational> a; // n rows of n
    std::vector<Rational> b;
};

Rational rowSum(const Candidate& c, int n, int row, const std::vector<Rational>& x)
{
    Rational sum;
    for (int j = 0; j < n; ++j)
        sum += c.a[static_cast<std::size_t>(row * n + j)] * x[static_cast<std::size_t>(j)];
    return sum;
}

// Coefficients with `zeros` zero entries and right-hand sides that can be
// typed exactly (terminating decimals): where a row's sum would not end,
// one of its coefficients is drawn again until it does.
bool drawCoefficients(
    Drawer& draw, const WorksheetRequest& request, const std::vector<Rational>& x, Candidate& c)
{
    const int n = request.n;
    std::vector<bool> zero(static_cast<std::size_t>(n * n), false);
    std::vector<int> cells(static_cast<std::size_t>(n * n));
    std::iota(cells.begin(), cells.end(), 0);
    draw.shuffle(cells);
    for (int k = 0; k < zerosFor(n); ++k)
        zero[static_cast<std::size_t>(cells[static_cast<std::size_t>(k)])] = true;
    c.a.assign(static_cast<std::size_t>(n * n), Rational());
    c.b.clear();
    for (int row = 0; row < n; ++row) {
        for (int j = 0; j < n; ++j)
            if (!zero[static_cast<std::size_t>(row * n + j)])
                c.a[static_cast<std::size_t>(row * n + j)] = Rational(draw.nonZero(request.range));
        Rational sum = rowSum(c, n, row, x);
        for (int tries = 0; !sum.terminates() && tries < 4 * request.range; ++tries) {
            const int j = draw.uniform(0, n - 1);
            if (zero[static_cast<std::size_t>(row * n + j)])
                continue;
            c.a[static_cast<std::size_t>(row * n + j)] = Rational(draw.nonZero(request.range));
            sum = rowSum(c, n, row, x);
        }
        if (!sum.terminates())
            return false;
        c.b.push_back(std::move(sum));
    }
    return true;
}

TypedSystem typed(const Candidate& c, int n)
{
    TypedSystem system { n, {} };
    for (int row = 0; row < n; ++row) {
        for (int j = 0; j < n; ++j)
            system.texts.push_back(c.a[static_cast<std::size_t>(row * n + j)].decimal("."));
        system.texts.push_back(c.b[static_cast<std::size_t>(row)].decimal("."));
    }
    return system;
}

// The same system whatever the order of its rows or a factor of any row:
// each row divided by its first non-zero entry, the rows sorted.
std::string rowsKey(const Candidate& c, int n)
{
    std::vector<std::string> rows;
    for (int row = 0; row < n; ++row) {
        Rational first;
        for (int j = 0; j < n && first.isZero(); ++j)
            first = c.a[static_cast<std::size_t>(row * n + j)];
        if (first.isZero())
            first = c.b[static_cast<std::size_t>(row)].isZero() ? Rational(1)
                                                                : c.b[static_cast<std::size_t>(row)];
        std::string text;
        for (int j = 0; j < n; ++j)
            text += (c.a[static_cast<std::size_t>(row * n + j)] / first).fraction() + ';';
        rows.push_back(text + (c.b[static_cast<std::size_t>(row)] / first).fraction());
    }
    std::sort(rows.begin(), rows.end());
    std::string key;
    for (const std::string& row : rows)
        key += row + '\n';
    return key;
}

std::string solutionKey(const std::vector<Rational>& x)
{
    std::string key;
    for (const Rational& value : x)
        key += value.fraction() + ';';
    return key;
}

// What the program's own solve shows is the key's answer, rounded to three
// places as the result rows round it (1/3 as 0,333); for small systems of
// integers the singles are exact too.
bool programAgrees(const TypedSystem& system, const std::vector<Rational>& x, AnswerKind kind)
{
    const SolveRecord record = solveQuietly(system.n, system.texts, kPlainNumbers);
    if (record.outcome.status != SolveStatus::Solved)
        return false;
    for (std::size_t j = 0; j < x.size(); ++j) {
        const float chosen = x[j].nearestSingle();
        if (record.shownSolutions[j] != roundToPlaces(chosen, 3))
            return false;
        if (kind == AnswerKind::Integers && system.n <= kExactSinglesUpTo && record.quotients[j] != chosen)
            return false;
    }
    return true;
}

// A singular variant from a regular one: its last row made a sum or a
// difference of two others (n = 2: a multiple of the first), within the
// range; the right-hand side moved by one where it is to have no solution.
bool makeSingular(Drawer& draw, const WorksheetRequest& request, Variant::Kind kind, Candidate& c)
{
    const int n = request.n;
    const auto range = Rational(request.range);
    for (int tries = 0; tries < 20; ++tries) {
        const int first = draw.uniform(0, n - 2);
        const int second = n == 2 ? first : draw.uniform(0, n - 2);
        const Rational factor = n == 2 ? Rational(draw.nonZero(2)) : Rational(1);
        const Rational sign = draw.uniform(0, 1) == 0 ? Rational(1) : Rational(-1);
        std::vector<Rational> row;
        bool fits = true;
        for (int j = 0; j < n && fits; ++j) {
            Rational value = c.a[static_cast<std::size_t>(first * n + j)] * factor;
            if (n > 2)
                value += sign * c.a[static_cast<std::size_t>(second * n + j)];
            fits = value.abs() <= range;
            row.push_back(std::move(value));
        }
        const bool allZero
            = std::all_of(row.begin(), row.end(), [](const Rational& v) { return v.isZero(); });
        if (!fits || allZero)
            continue;
        for (int j = 0; j < n; ++j)
            c.a[static_cast<std::size_t>((n - 1) * n + j)] = row[static_cast<std::size_t>(j)];
        Rational right = c.b[static_cast<std::size_t>(first)] * factor;
        if (n > 2)
            right += sign * c.b[static_cast<std::size_t>(second)];
        if (kind == Variant::Kind::NoSolution)
            right += Rational(1);
        c.b[static_cast<std::size_t>(n - 1)] = std::move(right);
        return true;
    }
    return false;
}

// Which variants are singular: about one in five, spread through the
// worksheet, alternately without a solution and with infinitely many.
std::vector<Variant::Kind> kindsOf(const WorksheetRequest& request)
{
    std::vector<Variant::Kind> kinds(static_cast<std::size_t>(request.variants), Variant::Kind::OneSolution);
    if (request.singular == SingularShare::None)
        return kinds;
    const int singular = std::max(1, (request.variants + 2) / 5);
    for (int k = 0; k < singular && k < request.variants; ++k) {
        const auto at = static_cast<std::size_t>((2 * k + 1) * request.variants / (2 * singular));
        kinds[std::min(at, kinds.size() - 1)]
            = k % 2 == 0 ? Variant::Kind::NoSolution : Variant::Kind::InfinitelyMany;
    }
    return kinds;
}

} // namespace

WorksheetResult makeWorksheet(const WorksheetRequest& request)
{
    if (request.n < 2 || request.n > 9 || request.variants < 1 || request.variants > kMostVariants
        || request.range < 1 || request.range > kLargestRange)
        return WorksheetShortfall { 0, WorksheetShortfall::Reason::OutOfRange };
    Drawer draw(request.seed);
    const int limit = std::min(request.range, 9);
    const std::vector<Variant::Kind> kinds = kindsOf(request);

    // Regular candidates, each passing every check but the band of |d|.
    std::vector<std::pair<Candidate, std::vector<Rational>>> pool;
    std::set<std::string> rowsSeen;
    std::set<std::string> solutionsSeen;
    auto drawRegular = [&]() -> bool {
        std::vector<Rational> x = drawAnswers(draw, request.n, request.answers, limit);
        Candidate c;
        if (!drawCoefficients(draw, request, x, c) || determinant(c.a, request.n).isZero())
            return false;
        if (rowsSeen.count(rowsKey(c, request.n)) || solutionsSeen.count(solutionKey(x)))
            return false;
        if (!programAgrees(typed(c, request.n), x, request.answers))
            return false;
        pool.emplace_back(std::move(c), std::move(x));
        return true;
    };

    const int budget = kAttemptsPerVariant * request.variants + 2000;
    int attempts = 0;
    while (static_cast<int>(pool.size()) < std::min(kBandSample, request.variants) && attempts < budget) {
        ++attempts;
        drawRegular();
    }
    if (pool.empty())
        return WorksheetShortfall { 0, WorksheetShortfall::Reason::TooFewSystems };
    // The band: a factor of ten about the sample's median |d|.
    std::vector<double> sizes;
    for (const auto& [c, x] : pool)
        sizes.push_back(determinant(c.a, request.n).abs().log10Abs());
    std::sort(sizes.begin(), sizes.end());
    const double middle = sizes[sizes.size() / 2];
    const auto inBand = [&](const Candidate& c) {
        const double size = determinant(c.a, request.n).abs().log10Abs();
        return size >= middle - 0.5 && size <= middle + 0.5;
    };

    std::vector<Variant> variants;
    std::size_t next = 0; // the pool's next candidate
    while (static_cast<int>(variants.size()) < request.variants) {
        if (next == pool.size()) {
            if (attempts >= budget)
                return WorksheetShortfall { static_cast<int>(variants.size()),
                    WorksheetShortfall::Reason::TooFewSystems };
            ++attempts;
            drawRegular();
            continue;
        }
        auto& [c, x] = pool[next++];
        if (!inBand(c))
            continue;
        const Variant::Kind kind = kinds[variants.size()];
        if (kind != Variant::Kind::OneSolution && !makeSingular(draw, request, kind, c))
            continue;
        const std::string rows = rowsKey(c, request.n);
        const std::string solution = solutionKey(x);
        if (rowsSeen.count(rows) || (kind == Variant::Kind::OneSolution && solutionsSeen.count(solution)))
            continue;
        rowsSeen.insert(rows);
        Variant variant;
        variant.kind = kind;
        if (kind == Variant::Kind::OneSolution) {
            solutionsSeen.insert(solution);
            variant.d = determinant(c.a, request.n);
            variant.solution = x;
        }
        variant.system = typed(c, request.n);
        variants.push_back(std::move(variant));
    }
    return variants;
}

} // namespace cramer
