// SPDX-License-Identifier: GPL-3.0-or-later

// How each kind of value is written: a single as the program holds it and
// as the window shows it, estimates, and exact values, each checked as the
// text form prints it.

#include "report/number_writer.h"
#include "report/runs.h"
#include "report/working_forms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace cramer {
namespace {

const NumberLocale kPoint { ".", "," };

Rational power10(int exponent)
{
    Rational value(1);
    for (int i = 0; i < std::abs(exponent); ++i)
        value = exponent < 0 ? value / Rational(10) : value * Rational(10);
    return value;
}

struct WrittenCase {
    const char* name;
    std::function<Runs(const NumberWriter&)> write;
    const char* expected;
};

void PrintTo(const WrittenCase& c, std::ostream* os) { *os << c.name; }

class Written : public testing::TestWithParam<WrittenCase> { };

TEST_P(Written, AsTheTextFormPrintsIt)
{
    const NumberWriter numbers(kPoint);
    // Groups of digits are parted by a narrow blank, here a blank.
    const QString text = runsAsPlainText(GetParam().write(numbers)).replace(QChar(0x202F), QLatin1Char(' '));
    EXPECT_EQ(text.toStdString(), GetParam().expected);
}

Runs number(const WrittenNumber& value) { return { numberRun(value) }; }

Runs alike(const NumberWriter& numbers, const std::vector<float>& values)
{
    Runs runs;
    for (const WrittenNumber& value : numbers.singlesAlike(values))
        runs << textRun(runs.empty() ? QString() : QStringLiteral(" ")) << numberRun(value);
    return runs;
}

INSTANTIATE_TEST_SUITE_P(Values, Written,
    testing::Values(
        // The program's own digits: the fewest that read back as the single;
        // an integer with all its digits, so that products check by hand.
        WrittenCase { "SingleShortest", [](auto& w) { return number(w.single(0.1f)); }, "0.1" },
        WrittenCase {
            "SingleInteger", [](auto& w) { return number(w.single(-1473380352.0f)); }, "−1473380352" },
        WrittenCase { "SingleLarge", [](auto& w) { return number(w.single(1e20f)); }, "1·10²⁰" },
        WrittenCase { "SingleSmall", [](auto& w) { return number(w.single(1.5e-7f)); }, "1.5·10⁻⁷" },
        WrittenCase { "SingleNegativeZero", [](auto& w) { return number(w.single(-0.0f)); }, "0" },
        WrittenCase { "SingleInfinite",
            [](auto& w) { return number(w.single(-std::numeric_limits<float>::infinity())); }, "−∞" },
        // A matrix's small entries in one notation: positional where all
        // are short so, else each with its power of ten.
        WrittenCase { "MatrixSmallOnesPositional",
            [](auto& w) {
                return alike(w, { 0.00012538512f, 9.198068e-5f, 2.5f });
            },
            "0.00012538512 0.00009198068 2.5" },
        WrittenCase { "MatrixSmallOnesScaled",
            [](auto& w) {
                return alike(w, { 1e-20f, 0.005f, 0.5f });
            },
            "1·10⁻²⁰ 5·10⁻³ 0.5" },
        // The window's seven digits, positional from 10⁻⁴ to 10⁶.
        WrittenCase { "ShownSeven", [](auto& w) { return number(w.shown(1234567.0f)); }, "1234567" },
        WrittenCase { "ShownScaled", [](auto& w) { return number(w.shown(12345678.0f)); }, "1.234568·10⁷" },
        WrittenCase { "ShownBelowRange", [](auto& w) { return number(w.shown(0.00001f)); }, "1·10⁻⁵" },
        WrittenCase { "Estimate", [](auto& w) { return number(w.approximate(12345.6, 3)); }, "1.23·10⁴" },
        // What a typed number is stored as: its whole finite expansion.
        WrittenCase { "StoredGrouped", [](auto& w) { return w.stored(0.1f); },
            "0.100 000 001 490 116 119 384 765 625" },
        WrittenCase { "StoredSmallest", [](auto& w) { return w.stored(1e-45f); },
            "1.401 298 464 324 817 070 923 729 583 289 916 131 280 261 941 876 515 771 757 068 283 889 791 "
            "082 "
            "685 860 601 486 638 188 362 121 582 031 25·10⁻⁴⁵" },
        // Exact values: periods in parentheses; a long one by its leading
        // digits; a row of zeros never; a cut only with the count.
        WrittenCase {
            "ExactPeriod", [](auto& w) { return w.exact(Rational(-1) / Rational(12)); }, "−0.08(3)" },
        WrittenCase { "ExactLongPeriod", [](auto& w) { return w.exact(Rational(1) / Rational(97)); },
            "≈ 0.0103092783505155 (безкрайна десетична дроб)" },
        WrittenCase { "ExactTinyPeriod",
            [](auto& w) { return w.exact(Rational(1) / Rational(3) * power10(-30)); },
            "≈ 3.33333333333333·10⁻³¹ (безкрайна десетична дроб)" },
        WrittenCase {
            "ExactTinyEnding", [](auto& w) { return w.exact(power10(-25) * Rational(125)); }, "1.25·10⁻²³" },
        WrittenCase { "ExactCut", [](auto& w) { return w.exact(Rational(1) / power10(45) + Rational(1)); },
            "1.0000000000000000000000000000… (общо 46 цифри)" },
        // A fraction too long to show is named by its size, never cut.
        WrittenCase { "FractionLong",
            [](auto& w) { return w.fraction((power10(31) + Rational(1)) / (power10(32) * Rational(3))); },
            "≈ 0.0333333333" },
        // A term of a general solution: a dozen digits as a fraction, more to nine significant digits.
        WrittenCase { "TermReadableAsAFraction",
            [](auto& w) {
                bool approximated = false;
                return w.readable(Rational(123456) / Rational(789011), approximated);
            },
            "123456/789011" },
        WrittenCase { "TermTooLongToRead",
            [](auto& w) {
                bool approximated = false;
                return w.readable(Rational(1234567) / Rational(7890113), approximated);
            },
            "0.156470129" },
        WrittenCase { "ValueFractionAndDecimal",
            [](auto& w) { return w.exactValue(Rational(7) / Rational(6)); }, "7/6 = 1.1(6)" }),
    [](const testing::TestParamInfo<WrittenCase>& info) { return std::string(info.param.name); });

// Marked digits: the leading significant ones, past a sign and leading
// zeros, underlined in plain text.
TEST(Written, MarksTheLeadingSignificantDigits)
{
    struct Case {
        const char* digits;
        int marked;
        const char* expected;
    };
    const QString u(QChar(0x0332));
    for (const Case& c : { Case { "0.000123", 2, "0.0001_2_3" }, Case { "10673.909", 1, "1_0673.909" },
             Case { "1", 5, "1_" }, Case { "12 468.295", 3, "1_2_ 4_68.295" }, Case { "0.25", 0, "0.25" } }) {
        WrittenNumber number;
        number.digits = QString::fromUtf8(c.digits).replace(QLatin1Char(' '), QChar(0x202F));
        number.negative = true;
        number.marked = c.marked;
        const QString text = runsAsPlainText({ numberRun(number) })
                                 .replace(u, QStringLiteral("_"))
                                 .replace(QChar(0x202F), QLatin1Char(' '));
        EXPECT_EQ(text.toStdString(), "−" + std::string(c.expected)) << c.digits;
    }
}

// Prose filled into 80 columns: a long number parted only between its groups
// (the narrow blank between them ends the line) or after a
// fraction's slash, its first part beside the words before it; a number
// that fits a line moves whole.
TEST(Wrapped, PartsLongNumbersOnlyBetweenGroups)
{
    struct Case {
        const char* name;
        QString line;
        QStringList expected;
    };
    const QString groups = QStringLiteral("123\u202F").repeated(30) + QStringLiteral("45.");
    const QString fraction
        = QStringLiteral("1").repeated(45) + QLatin1Char('/') + QStringLiteral("7").repeated(45);
    const QString words = QStringLiteral("дума ").repeated(14); // 70 columns
    for (const Case& c : {
             Case { "GroupsBesideTheWords", words + groups,
                 { words + QStringLiteral("123\u202F123\u202F"), QStringLiteral("123\u202F").repeated(20),
                     QStringLiteral("123\u202F").repeated(8) + QStringLiteral("45.") } },
             Case { "AFractionAfterItsSlash", words + fraction,
                 { words.trimmed(), QStringLiteral("1").repeated(45) + QLatin1Char('/'),
                     QStringLiteral("7").repeated(45) } },
             Case { "AShortNumberWhole", words + QStringLiteral("0,100\u202F000\u202F001"),
                 { words.trimmed(), QStringLiteral("0,100\u202F000\u202F001") } },
         }) {
        QString out;
        appendWrapped(out, c.line, 0, 0);
        EXPECT_EQ(out.replace(QChar(0x202F), QLatin1Char('_')).toStdString(),
            c.expected.join(QLatin1Char('\n')).replace(QChar(0x202F), QLatin1Char('_')).toStdString() + '\n')
            << c.name;
    }
}

} // namespace
} // namespace cramer
