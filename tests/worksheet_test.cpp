// SPDX-License-Identifier: GPL-3.0-or-later

// Worksheets' variants: each printed system, read back and solved in the
// test by its own elimination, has the key's answer; the variants are
// distinct, alike in their work, and the same for the same seed.

#include "solver/worksheet.h"

#include <gtest/gtest.h>

#include <set>

namespace cramer {
namespace {

// "-12.35" as a fraction.
Rational fromText(const std::string& text)
{
    const bool negative = text.front() == '-';
    std::string digits = text.substr(negative ? 1 : 0);
    Rational scale(1);
    if (const auto point = digits.find('.'); point != std::string::npos) {
        for (std::size_t i = point + 1; i < digits.size(); ++i)
            scale *= Rational(10);
        digits.erase(point, 1);
    }
    const Rational value = Rational(std::stol(digits)) / scale;
    return negative ? -value : value;
}

// Gauss–Jordan elimination on the augmented rows: the solution, or the kind
// of a singular system.
struct Solved {
    Variant::Kind kind = Variant::Kind::OneSolution;
    std::vector<Rational> x;
};

Solved solveIndependently(const TypedSystem& system)
{
    const int n = system.n;
    std::vector<std::vector<Rational>> rows(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= n; ++j)
            rows[static_cast<std::size_t>(i)].push_back(fromText(system.text(i + 1, j + 1)));
    std::size_t rank = 0;
    for (std::size_t column = 0; column < static_cast<std::size_t>(n) && rank < rows.size(); ++column) {
        std::size_t pivot = rank;
        while (pivot < rows.size() && rows[pivot][column].isZero())
            ++pivot;
        if (pivot == rows.size())
            continue;
        std::swap(rows[rank], rows[pivot]);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i == rank || rows[i][column].isZero())
                continue;
            const Rational factor = rows[i][column] / rows[rank][column];
            for (std::size_t j = column; j < rows[i].size(); ++j)
                rows[i][j] -= factor * rows[rank][j];
        }
        ++rank;
    }
    if (rank < static_cast<std::size_t>(n)) {
        for (std::size_t i = rank; i < rows.size(); ++i)
            if (!rows[i].back().isZero())
                return { Variant::Kind::NoSolution, {} };
        return { Variant::Kind::InfinitelyMany, {} };
    }
    Solved solved;
    for (std::size_t i = 0; i < rows.size(); ++i)
        solved.x.push_back(rows[i].back() / rows[i][i]);
    return solved;
}

int zeros(const TypedSystem& system)
{
    int count = 0;
    for (int i = 1; i <= system.n; ++i)
        for (int j = 1; j <= system.n; ++j)
            count += fromText(system.text(i, j)).isZero() ? 1 : 0;
    return count;
}

// 200 worksheets over every size, kind of answer and share of singular
// systems.
TEST(Worksheet, EveryVariantHasTheKeysAnswerAndIsItsOwn)
{
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        WorksheetRequest request;
        request.seed = seed;
        request.n = 2 + static_cast<int>(seed % 8);
        request.variants = request.n > 6 ? 3 : 6;
        request.answers = static_cast<AnswerKind>(seed % 3);
        request.singular = seed % 4 == 0 ? SingularShare::Some : SingularShare::None;
        const WorksheetResult result = makeWorksheet(request);
        const auto* variants = std::get_if<std::vector<Variant>>(&result);
        ASSERT_NE(variants, nullptr) << "seed " << seed;
        ASSERT_EQ(variants->size(), static_cast<std::size_t>(request.variants)) << "seed " << seed;
        std::set<std::vector<std::string>> systems;
        std::set<std::string> answers;
        double smallest = 1e300, largest = 0;
        int regularZeros = -1;
        for (const Variant& variant : *variants) {
            const Solved solved = solveIndependently(variant.system);
            ASSERT_EQ(solved.kind, variant.kind) << "seed " << seed;
            EXPECT_TRUE(systems.insert(variant.system.texts).second) << "seed " << seed;
            for (int i = 1; i <= request.n; ++i)
                for (int j = 1; j <= request.n; ++j)
                    EXPECT_LE(fromText(variant.system.text(i, j)).abs(), Rational(request.range));
            if (variant.kind != Variant::Kind::OneSolution)
                continue;
            ASSERT_EQ(solved.x, variant.solution) << "seed " << seed;
            std::string answer;
            for (const Rational& x : solved.x) {
                answer += x.fraction() + ";";
                const long denominator = std::stol(x.denominator());
                EXPECT_TRUE(request.answers != AnswerKind::Integers || x.isInteger());
                EXPECT_TRUE(request.answers != AnswerKind::Fractions || denominator <= 12);
                EXPECT_TRUE(request.answers != AnswerKind::Decimals || 100 % denominator == 0);
                EXPECT_LE(x.abs(), Rational(9));
            }
            EXPECT_TRUE(answers.insert(answer).second) << "seed " << seed;
            smallest = std::min(smallest, variant.d.abs().toDouble());
            largest = std::max(largest, variant.d.abs().toDouble());
            if (regularZeros < 0)
                regularZeros = zeros(variant.system);
            EXPECT_EQ(zeros(variant.system), regularZeros) << "seed " << seed;
        }
        if (largest > 0) {
            EXPECT_LE(largest / smallest, 10.0 + 1e-9) << "seed " << seed;
        }
    }
}

TEST(Worksheet, TheSameSeedGivesTheSameVariants)
{
    const WorksheetRequest request { 12, 4, AnswerKind::Fractions, SingularShare::Some, 9, 77 };
    const auto texts = [](const WorksheetResult& result) {
        std::vector<std::vector<std::string>> all;
        for (const Variant& variant : std::get<std::vector<Variant>>(result))
            all.push_back(variant.system.texts);
        return all;
    };
    EXPECT_EQ(texts(makeWorksheet(request)), texts(makeWorksheet(request)));
    WorksheetRequest other = request;
    other.seed = 78;
    EXPECT_NE(texts(makeWorksheet(request)), texts(makeWorksheet(other)));
}

// What cannot be made says how much could.
TEST(Worksheet, SaysHowManyCouldBeMade)
{
    struct Case {
        WorksheetRequest request;
        WorksheetShortfall::Reason reason;
        int mostMade;
    };
    for (const Case& c : {
             // Coefficients and answers within ±1: a 2 × 2 has 9 answers at most.
             Case { { 60, 2, AnswerKind::Integers, SingularShare::None, 1, 5 },
                 WorksheetShortfall::Reason::TooFewSystems, 9 },
             Case { { 10, 10, AnswerKind::Integers, SingularShare::None, 9, 5 },
                 WorksheetShortfall::Reason::OutOfRange, 0 },
             Case { { 61, 3, AnswerKind::Integers, SingularShare::None, 9, 5 },
                 WorksheetShortfall::Reason::OutOfRange, 0 },
         }) {
        const WorksheetResult result = makeWorksheet(c.request);
        const auto* shortfall = std::get_if<WorksheetShortfall>(&result);
        ASSERT_NE(shortfall, nullptr);
        EXPECT_EQ(shortfall->reason, c.reason);
        EXPECT_LE(shortfall->made, c.mostMade);
    }
}

} // namespace
} // namespace cramer
