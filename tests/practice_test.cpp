// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/cramer_sequence.h"
#include "solver/hand_elimination.h"
#include "solver/practice.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace cramer {
namespace {

const NumberLocale kBulgarian { ",", "\u00A0" };

Rational fraction(long numerator, long denominator) { return Rational(numerator) / Rational(denominator); }

struct ReadCase {
    const char* name;
    const char* text;
    NumberLocale locale;
    std::variant<Answer, AnswerProblem> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class AnswerReader : public testing::TestWithParam<ReadCase> { };

TEST_P(AnswerReader, ReadsWhatAStudentTypes)
{
    const ReadCase& c = GetParam();
    const auto read = readAnswer(c.text, c.locale);
    ASSERT_EQ(read.index(), c.expected.index());
    if (const auto* problem = std::get_if<AnswerProblem>(&c.expected)) {
        EXPECT_EQ(std::get<AnswerProblem>(read), *problem);
        return;
    }
    const Answer& expected = std::get<Answer>(c.expected);
    const Answer& answer = std::get<Answer>(read);
    EXPECT_EQ(answer.value, expected.value);
    EXPECT_EQ(answer.form, expected.form);
    if (expected.form == Answer::Form::Decimal) {
        EXPECT_EQ(answer.significantDigits, expected.significantDigits);
        EXPECT_EQ(answer.lastDigitExponent, expected.lastDigitExponent);
    }
}

using Form = Answer::Form;
INSTANTIATE_TEST_SUITE_P(Texts, AnswerReader,
    testing::Values(ReadCase { "Integer", "12", kCLocale, Answer { Rational(12), Form::Integer, 0, 0 } },
        ReadCase { "FractionWithBlanksAndSign", " -12 / 23 ", kCLocale,
            Answer { fraction(-12, 23), Form::Fraction, 0, 0 } },
        ReadCase {
            "SignUnderTheLine", "12/-23", kCLocale, Answer { fraction(-12, 23), Form::Fraction, 0, 0 } },
        ReadCase { "TrueMinus", "\u22123", kCLocale, Answer { Rational(-3), Form::Integer, 0, 0 } },
        ReadCase { "DecimalComma", "0,250", kBulgarian, Answer { fraction(1, 4), Form::Decimal, 3, -3 } },
        ReadCase {
            "PointUnderACommaLocale", "-2.5", kBulgarian, Answer { fraction(-5, 2), Form::Decimal, 2, -1 } },
        // The program's own notation of a decimal that never ends.
        ReadCase { "Periodic", "0,8(3)", kBulgarian, Answer { fraction(5, 6), Form::Periodic, 0, 0 } },
        ReadCase { "PeriodRightAfterThePoint", "\u22122.(142857)", kBulgarian,
            Answer { fraction(-15, 7), Form::Periodic, 0, 0 } },
        ReadCase {
            "PeriodAfterAZero", "-0,08(3)", kBulgarian, Answer { fraction(-1, 12), Form::Periodic, 0, 0 } },
        ReadCase { "AZeroBeforeThePeriod", "0,80(3)", kBulgarian,
            Answer { fraction(241, 300), Form::Periodic, 0, 0 } },
        ReadCase { "AnEmptyPeriod", "0,8()", kBulgarian, AnswerProblem::NotANumber },
        ReadCase { "APeriodOfLetters", "0,8(x)", kBulgarian, AnswerProblem::NotANumber },
        ReadCase { "Empty", "   ", kCLocale, AnswerProblem::Empty },
        ReadCase { "Words", "пет", kCLocale, AnswerProblem::NotANumber },
        ReadCase { "TwoSlashes", "1/2/3", kCLocale, AnswerProblem::NotANumber },
        ReadCase { "DecimalOverDecimal", "1.5/2", kCLocale, AnswerProblem::NotANumber },
        ReadCase { "ZeroBelow", "3/0", kCLocale, AnswerProblem::ZeroDenominator },
        ReadCase { "HugeExponent", "1e999", kCLocale, AnswerProblem::TooLong }),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct Solved {
    int n;
    SolveRecord record;
    ExactWorking working;
};

Solved solved(const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::string> texts;
    for (const auto& row : rows)
        texts.insert(texts.end(), row.begin(), row.end());
    const int n = static_cast<int>(rows.size());
    SolveRecord record = solveQuietly(n, texts, kCLocale);
    ExactWorking working = computeExactWorking(record);
    return { n, std::move(record), std::move(working) };
}

struct MistakeCase {
    const char* name;
    std::vector<std::vector<std::string>> system;
    PracticeStep step;
    const char* answer;
    bool right;
    Mistake mistake;
    int detail; // the term or the column named
};

void PrintTo(const MistakeCase& c, std::ostream* os) { *os << c.name; }

class MistakeFinder : public testing::TestWithParam<MistakeCase> { };

TEST_P(MistakeFinder, NamesTheMistake)
{
    const MistakeCase& c = GetParam();
    const Solved s = solved(c.system);
    const Answer answer = std::get<Answer>(readAnswer(c.answer, kCLocale));
    const AnswerCheck check = checkAnswer(s.record, s.working, c.step, answer);
    EXPECT_EQ(check.right, c.right);
    EXPECT_EQ(check.mistake, c.mistake);
    EXPECT_EQ(check.mistake == Mistake::WrongColumnReplaced ? check.column : check.term, c.detail);
}

const std::vector<std::vector<std::string>> kTwo { { "2", "1", "5" }, { "1", "-3", "-8" } }; // x = 1, 3
const std::vector<std::vector<std::string>> kThree { { "2", "1", "1", "4" }, { "1", "3", "2", "6" },
    { "1", "0", "0", "1" } }; // d = 0 + 2 + 0 − 3 − 0 − 0 = −1
const std::vector<std::vector<std::string>> kThirds { { "3", "0", "1" }, { "0", "3", "2" } }; // x = 1/3, 2/3
// Values whose decimals end: given whole or not at all.
const std::vector<std::vector<std::string>> kEnding { { "8", "0", "-15" },
    { "0", "16", "145" } }; // x = -1.875, 9.0625
const std::vector<std::vector<std::string>> kLarge { { "1241", "0", "1" }, { "0", "1", "1" } }; // d = 1241
constexpr PracticeStep d(int index) { return { PracticeStep::Kind::Determinant, index }; }
constexpr PracticeStep x(int index) { return { PracticeStep::Kind::Unknown, index }; }

INSTANTIATE_TEST_SUITE_P(Answers, MistakeFinder,
    testing::Values(MistakeCase { "Right", kTwo, d(0), "-7", true, Mistake::None, 0 },
        MistakeCase { "DiagonalsSwapped", kTwo, d(0), "7", false, Mistake::DiagonalsSwapped, 0 },
        MistakeCase { "ProductsAdded", kTwo, d(0), "-5", false, Mistake::ProductsAdded, 0 },
        MistakeCase { "SecondColumnForD1", kTwo, d(1), "-21", false, Mistake::WrongColumnReplaced, 2 },
        MistakeCase { "QuotientInverted", kTwo, x(2), "1/3", false, Mistake::QuotientInverted, 0 },
        MistakeCase { "OppositeSignOfX", kTwo, x(1), "-1", false, Mistake::OppositeSign, 0 },
        MistakeCase { "AnyFormOfTheValue", kTwo, x(2), "6/2", true, Mistake::None, 0 },
        MistakeCase { "TermLeftOut", kThree, d(0), "-3", false, Mistake::TermLeftOut, 2 },
        MistakeCase { "NegativeTermLeftOut", kThree, d(0), "2", false, Mistake::TermLeftOut, 4 },
        MistakeCase { "TermSignFlipped", kThree, d(0), "5", false, Mistake::TermSignFlipped, 4 },
        MistakeCase { "OppositeSignOf3x3", kThree, d(0), "1", false, Mistake::OppositeSign, 0 },
        MistakeCase { "RoundedToThreeDigits", kThirds, x(2), "0.667", true, Mistake::None, 0 },
        MistakeCase { "CutInsteadOfRounded", kThirds, x(2), "0.666", false, Mistake::RoundedWrongly, 0 },
        MistakeCase { "TooFewDigits", kThirds, x(1), "0.33", false, Mistake::TooFewDigits, 0 },
        MistakeCase { "TooFewDigitsAndWrong", kThirds, x(1), "0.35", false, Mistake::NotRight, 0 },
        // Mistakes named in rounded decimals too.
        MistakeCase { "OppositeSignRounded", kThirds, x(1), "-0.333", false, Mistake::OppositeSign, 0 },
        MistakeCase { "QuotientInvertedRounded", kTwo, x(2), "0.333", false, Mistake::QuotientInverted, 0 },
        MistakeCase {
            "TheSingleValue", kThirds, x(2), "0.666666686534881591796875", false, Mistake::None, 0 },
        MistakeCase { "FarOff", kThirds, x(1), "5", false, Mistake::NotRight, 0 },
        MistakeCase { "AnIntegerRounded", kLarge, d(0), "1.24e3", false, Mistake::NotRight, 0 },
        MistakeCase { "AnEndingDecimalRounded", kEnding, x(1), "-1.88", false, Mistake::NotRight, 0 },
        MistakeCase { "AnEndingDecimalCut", kEnding, x(1), "-1.87", false, Mistake::NotRight, 0 },
        MistakeCase { "AnEndingDecimalShort", kEnding, x(2), "9.062", false, Mistake::NotRight, 0 },
        MistakeCase { "AnEndingDecimalWhole", kEnding, x(2), "9.0625", true, Mistake::None, 0 }),
    [](const testing::TestParamInfo<MistakeCase>& info) { return std::string(info.param.name); });

// In every form the program prints it: the whole expansion, the working's
// shortest text, the window's seven digits.
TEST(MistakeFinder, SaysWhenAnAnswerIsTheSinglePrecisionValue)
{
    const Solved s = solved(kThirds);
    const Answer answer = std::get<Answer>(readAnswer("0.666666686534881591796875", kCLocale));
    EXPECT_TRUE(checkAnswer(s.record, s.working, x(2), answer).singlePrecisionValue);
    // x1 = 1/3 as the working prints the single: 0.33333334, no correct rounding of 1/3.
    EXPECT_TRUE(checkAnswer(s.record, s.working, x(1), std::get<Answer>(readAnswer("0.33333334", kCLocale)))
                    .singlePrecisionValue);
    // Exactly d1 = −0,01; single precision gives −0.009999998 (shortest and seven digits alike).
    const Solved tenths = solved({ { "0.1", "0.2", "0.3" }, { "0.3", "0.1", "0.2" } });
    for (const char* printed : { "-0.009999998", "-0.009999997913837432861328125" }) {
        const AnswerCheck check = checkAnswer(
            tenths.record, tenths.working, d(1), std::get<Answer>(readAnswer(printed, kCLocale)));
        EXPECT_TRUE(check.singlePrecisionValue) << printed;
    }
}

// On random systems: the value, as a fraction and as a well-rounded
// decimal, is always right; a value off by a tenth of itself or by one
// never is.
TEST(MistakeFinder, NeverCallsAWrongAnswerRightNorARightOneWrong)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> entry(-9, 9);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 2 + trial % 4;
        std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(n));
        for (auto& row : rows)
            for (int column = 0; column <= n; ++column)
                row.push_back(std::to_string(entry(random)));
        const Solved s = solved(rows);
        if (s.working.tooLong || s.working.verdict != ExactVerdict::OneSolution)
            continue;
        std::vector<PracticeStep> steps;
        for (int i = 0; i <= n; ++i)
            steps.push_back(d(i));
        for (int i = 1; i <= n; ++i)
            steps.push_back(x(i));
        for (const PracticeStep step : steps) {
            const Rational& value = expectedValue(s.working, step);
            auto check = [&](const std::string& text) {
                return checkAnswer(s.record, s.working, step, std::get<Answer>(readAnswer(text, kCLocale)));
            };
            EXPECT_TRUE(check(value.fraction()).right) << value.fraction();
            const std::string decimal = value.decimal(".");
            if (decimal.find('(') != std::string::npos) {
                char rounded[64];
                std::snprintf(rounded, sizeof rounded, "%.6g", value.toDouble());
                EXPECT_TRUE(check(rounded).right) << rounded << " for " << value.fraction();
            }
            const Rational tenthOff = value + value / Rational(10);
            if (!value.isZero()) {
                EXPECT_FALSE(check(tenthOff.fraction()).right) << tenthOff.fraction();
            }
            EXPECT_FALSE(check((value + Rational(1)).fraction()).right);
        }
    }
}

// By hand, for n = 4 … 9 with many zeros: the exact pivots, signed by the
// exchanges, multiply to d and to every d_i exactly; a row is exchanged
// only where the diagonal held 0.
TEST(HandElimination, PivotsMultiplyToTheDeterminantExactly)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> entry(-3, 3);
    int exchanges = 0;
    for (int trial = 0; trial < 60; ++trial) {
        const int n = 4 + trial % 6;
        std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(n));
        for (auto& row : rows)
            for (int column = 0; column <= n; ++column)
                row.push_back(std::to_string(entry(random)) + (column % 3 == 1 ? ".5" : ""));
        const Solved s = solved(rows);
        if (s.working.tooLong || s.working.verdict != ExactVerdict::OneSolution)
            continue;
        for (int index = 0; index <= n; ++index) {
            const HandElimination hand = eliminateByHand(s.working, n, index);
            const Rational& exact = s.working.cramerDeterminants[static_cast<std::size_t>(index)];
            if (exact.isZero()) {
                EXPECT_LT(hand.pivots.size(), static_cast<std::size_t>(n));
                continue;
            }
            ASSERT_EQ(hand.pivots.size(), static_cast<std::size_t>(n));
            Rational product(hand.negated ? -1 : 1);
            for (const HandPivot& pivot : hand.pivots) {
                EXPECT_FALSE(pivot.value.isZero());
                product *= pivot.value;
                exchanges += pivot.exchangedWith != 0 ? 1 : 0;
            }
            EXPECT_EQ(product, exact) << "n = " << n << ", d" << index;
        }
    }
    EXPECT_GT(exchanges, 0) << "the systems exercise the exchanges too";
}

} // namespace
} // namespace cramer
