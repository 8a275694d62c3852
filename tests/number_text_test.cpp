// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace cramer {
namespace {

const NumberLocale kEnglish { ".", "," };
const NumberLocale kBulgarian { ",", "\u00A0" };
const NumberLocale kGerman { ",", "." };

std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }

struct ParseCase {
    const char* name;
    NumberLocale locale;
    const char* text;
    float expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ParsesNumber : public testing::TestWithParam<ParseCase> { };

TEST_P(ParsesNumber, ToTheCorrectlyRoundedSingle)
{
    const ParseCase& c = GetParam();
    const ParsedSingle parsed = parseSingle(c.text, c.locale);
    ASSERT_TRUE(parsed.ok()) << "text '" << c.text << "'";
    EXPECT_EQ(bits(parsed.value), bits(c.expected)) << "text '" << c.text << "' gave " << parsed.value;
}

INSTANTIATE_TEST_SUITE_P(Forms, ParsesNumber,
    testing::Values(ParseCase { "Integer", kEnglish, "42", 42.0f },
        ParseCase { "Negative", kEnglish, "-3", -3.0f }, ParseCase { "LeadingPlus", kEnglish, "+7", 7.0f },
        ParseCase { "BlanksAround", kEnglish, "  \t2.5 ", 2.5f },
        // The blanks every reader of the program passes over, no-break and figure spaces too.
        ParseCase { "WideBlanksAround", kEnglish, "\u2007\u00A02.5\u202F\r", 2.5f },
        ParseCase { "PointOnly", kEnglish, "0.1", 0.1f },
        ParseCase { "NoIntegerDigits", kEnglish, ".5", 0.5f },
        ParseCase { "NoFractionDigits", kEnglish, "5.", 5.0f },
        ParseCase { "Exponent", kEnglish, "1.5e3", 1500.0f },
        ParseCase { "ExponentUpperNegative", kEnglish, "25E-1", 2.5f },
        ParseCase { "EnglishGrouping", kEnglish, "1,234,567.5", 1234567.5f },
        ParseCase { "BulgarianComma", kBulgarian, "2,5", 2.5f },
        ParseCase { "BulgarianAcceptsPoint", kBulgarian, "1.5", 1.5f },
        ParseCase { "BulgarianNoBreakSpaceGroups", kBulgarian, "1\u00A0234,5", 1234.5f },
        ParseCase { "BulgarianPlainSpaceGroups", kBulgarian, "12 345 678", 12345678.0f },
        ParseCase { "GermanGrouping", kGerman, "1.234,5", 1234.5f },
        ParseCase { "GroupsOfZeros", kEnglish, "1,000,000", 1e6f },
        ParseCase { "NegativeZero", kEnglish, "-0", -0.0f },
        // The minus sign the program writes, wherever it is read back.
        ParseCase { "TrueMinusSign", kBulgarian, "\u22122,5E\u22121", -0.25f },
        // A word processor's en dash for a typed minus, right before a digit.
        ParseCase { "EnDashBeforeADigit", kBulgarian, "\u20132,5", -2.5f },
        // Correct rounding in one step: through double this text becomes the
        // exact midpoint 1 + 2^-24 and then rounds down to 1.
        ParseCase { "JustAboveMidpoint", kEnglish, "1.000000059604644775390625000001",
            std::bit_cast<float>(0x3F800001u) },
        ParseCase { "ExactMidpointRoundsToEven", kEnglish, "1.000000059604644775390625", 1.0f },
        ParseCase { "LargestSingle", kEnglish, "3.4028235e38", std::numeric_limits<float>::max() },
        ParseCase { "SmallestSubnormal", kEnglish, "1.4e-45", std::numeric_limits<float>::denorm_min() },
        ParseCase { "UnderflowIsZero", kEnglish, "1e-50", 0.0f },
        ParseCase { "NegativeUnderflowIsNegativeZero", kEnglish, "-7e-46", -0.0f },
        ParseCase { "HugeNegativeExponent", kEnglish, "5e-99999999999999999999", 0.0f },
        ParseCase {
            "ManyLeadingZeros", kEnglish, "0.000000000000000000000000000000000000000000001e45", 1.0f }),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

struct RejectCase {
    const char* name;
    NumberLocale locale;
    const char* text;
    ConversionError expected;
};

void PrintTo(const RejectCase& c, std::ostream* os) { *os << c.name; }

class RejectsText : public testing::TestWithParam<RejectCase> { };

TEST_P(RejectsText, WithTheRightError)
{
    const RejectCase& c = GetParam();
    EXPECT_EQ(parseSingle(c.text, c.locale).error, c.expected) << "text '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(Forms, RejectsText,
    testing::Values(RejectCase { "Empty", kEnglish, "", ConversionError::NotANumber },
        RejectCase { "Blank", kEnglish, "   ", ConversionError::NotANumber },
        // "†" ends in the byte that ends a no-break space.
        RejectCase { "EndsLikeABlank", kEnglish, "2.5\u2020", ConversionError::NotANumber },
        RejectCase { "DanglingExponent", kEnglish, "1e", ConversionError::NotANumber },
        RejectCase { "SignOnlyExponent", kEnglish, "1e+", ConversionError::NotANumber },
        RejectCase { "TwoSigns", kEnglish, "-\u22121", ConversionError::NotANumber },
        RejectCase { "EnDashApartFromItsDigit", kEnglish, "\u2013 1", ConversionError::NotANumber },
        RejectCase { "BadGroups", kEnglish, "1,2,3", ConversionError::NotANumber },
        RejectCase { "CommaIsNoPointInEnglish", kEnglish, "1,5", ConversionError::NotANumber },
        RejectCase { "GroupInFraction", kEnglish, "1.234,567", ConversionError::NotANumber },
        RejectCase { "LeadingGroup", kEnglish, ",123", ConversionError::NotANumber },
        RejectCase { "FirstGroupTooLong", kEnglish, "1234,567", ConversionError::NotANumber },
        RejectCase { "PlainSpaceInEnglish", kEnglish, "1 234", ConversionError::NotANumber },
        // A decimal comma typed under a locale that groups with it.
        RejectCase { "GroupedFromZero", kEnglish, "0,125", ConversionError::NotANumber },
        RejectCase { "NegativeGroupedFromZero", kEnglish, "-0,001", ConversionError::NotANumber },
        RejectCase { "GroupedFromZeros", kEnglish, "000,001", ConversionError::NotANumber },
        RejectCase { "GermanGroupedFromZero", kGerman, "0.234,5", ConversionError::NotANumber },
        RejectCase { "BulgarianSpaceFromZero", kBulgarian, "0 125", ConversionError::NotANumber },
        RejectCase { "GermanPointIsGrouping", kGerman, "1.5", ConversionError::NotANumber },
        RejectCase { "TwoPoints", kBulgarian, "1,5.3", ConversionError::NotANumber },
        RejectCase { "Infinity", kEnglish, "inf", ConversionError::NotANumber },
        RejectCase { "NotANumber", kEnglish, "nan", ConversionError::NotANumber },
        RejectCase { "Hexadecimal", kEnglish, "0x1A", ConversionError::NotANumber },
        RejectCase { "TrailingLetters", kEnglish, "12abc", ConversionError::NotANumber },
        RejectCase { "DoubleSign", kEnglish, "--1", ConversionError::NotANumber },
        RejectCase { "PointAlone", kEnglish, ".", ConversionError::NotANumber },
        RejectCase { "Letters", kBulgarian, "абв", ConversionError::NotANumber },
        RejectCase { "AboveLargestSingle", kEnglish, "3.4028236e38", ConversionError::OutOfRange },
        RejectCase { "LongInteger", kEnglish, "1000000000000000000000000000000000000000",
            ConversionError::OutOfRange },
        RejectCase { "NegativeOverflow", kBulgarian, "-1e39", ConversionError::OutOfRange },
        RejectCase { "HugeExponent", kEnglish, "1e99999999999999999999", ConversionError::OutOfRange }),
    [](const testing::TestParamInfo<RejectCase>& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    float value;
    const char* english;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class FormatsSingle : public testing::TestWithParam<FormatCase> { };

TEST_P(FormatsSingle, WithSevenSignificantDigits)
{
    EXPECT_EQ(formatSingle(GetParam().value, kEnglish), GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(Rule, FormatsSingle,
    testing::Values(FormatCase { "OneThird", 1.0f / 3.0f, "0.3333333" },
        FormatCase { "LargeInteger", 12345678.0f, "1.234568E+07" },
        FormatCase { "SmallestFixed", 0.0001f, "0.0001" },
        FormatCase { "FirstScientific", 0.00001f, "1E-05" }, FormatCase { "Whole", 2.0f, "2" },
        FormatCase { "Half", 0.5f, "0.5" }, FormatCase { "NegativeZero", -0.0f, "0" },
        FormatCase { "Zero", 0.0f, "0" }, FormatCase { "LargestFixed", 999999.9f, "999999.9" },
        FormatCase { "SevenDigitInteger", 9999999.0f, "9999999" }, FormatCase { "TenMillion", 1e7f, "1E+07" },
        // 9999999.5 rounds to 1E+07 in single: the text crosses the power of ten.
        FormatCase { "RoundsAcrossPowerOfTen", 9999999.5f, "1E+07" },
        FormatCase { "RoundsUpToFixed", 0.099999998f, "0.1" },
        FormatCase { "NextToMinusOne", std::bit_cast<float>(0xBF7FFFFFu), "-0.9999999" },
        FormatCase { "NegativeScientific", -1.234568e7f, "-1.234568E+07" },
        FormatCase { "ThreeDigitExponent", 3e38f, "3E+38" },
        FormatCase { "TinyResidue", -5.9604645e-9f, "-5.960465E-09" },
        FormatCase { "Subnormal", std::numeric_limits<float>::denorm_min(), "1.401298E-45" }),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(FormatsSingle, UsesTheLocaleSeparatorWithoutGrouping)
{
    EXPECT_EQ(formatSingle(1234.5f, kBulgarian), "1234,5");
    EXPECT_EQ(formatSingle(1.5e-7f, kBulgarian), "1,5E-07");
}

TEST(FormatsSingle, RoundTripsThroughParse)
{
    for (float value : { 1.0f / 3.0f, -0.0200000014f, 123456.7f, 4.2e-30f, -8.5e20f }) {
        const std::string text = formatSingle(value, kBulgarian);
        const ParsedSingle parsed = parseSingle(text, kBulgarian);
        ASSERT_TRUE(parsed.ok()) << text;
        EXPECT_NEAR(parsed.value, value, std::fabs(value) * 1e-6f) << text;
    }
}

// Near 1E+28 and 1E-38 singles lie further apart than seven-digit texts: the
// nearest single to the power of ten is more than half a step below it, so
// these texts cannot come back from a parse. Every other text does (checked
// over all singles once, and by the fuzzer).
TEST(FormatsSingle, PowersOfTenWhereSevenDigitsCannotRoundTrip)
{
    const std::pair<const char*, const char*> cases[] = { { "1E+28", "9.999999E+27" },
        { "-1E+28", "-9.999999E+27" }, { "1E-38", "9.999999E-39" }, { "-1E-38", "-9.999999E-39" } };
    for (const auto& [text, again] : cases) {
        const ParsedSingle parsed = parseSingle(text, kEnglish);
        ASSERT_TRUE(parsed.ok()) << text;
        EXPECT_EQ(formatSingle(parsed.value, kEnglish), again);
        EXPECT_EQ(formatSingle(std::nextafter(parsed.value, parsed.value * 2), kEnglish), text);
    }
}

struct RoundCase {
    const char* name;
    float value;
    int places;
    float expected;
};

void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.name; }

class RoundsToPlaces : public testing::TestWithParam<RoundCase> { };

TEST_P(RoundsToPlaces, HalfToEven)
{
    const RoundCase& c = GetParam();
    EXPECT_EQ(bits(roundToPlaces(c.value, c.places)), bits(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Rule, RoundsToPlaces,
    testing::Values(RoundCase { "Third", 1.0f / 3.0f, 3, 0.333f },
        RoundCase { "TwoThirds", 2.0f / 3.0f, 3, 0.667f },
        RoundCase { "NextToMinusOne", std::bit_cast<float>(0xBF7FFFFFu), 2, -1.0f },
        RoundCase { "ExactHalfDown", 0.125f, 2, 0.12f }, RoundCase { "ExactHalfUp", 0.375f, 2, 0.38f },
        RoundCase { "HalfToEvenInteger", 2.5f, 0, 2.0f },
        // 1.005 in single is 1.00499999523…: below the half.
        RoundCase { "SingleBelowHalf", 1.005f, 2, 1.0f }, RoundCase { "SmallToZero", 0.0001f, 2, 0.0f },
        RoundCase { "Large", 16777216.0f, 3, 16777216.0f },
        RoundCase { "Largest", std::numeric_limits<float>::max(), 3, std::numeric_limits<float>::max() }),
    [](const testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

// Shortest round-trip texts of random finite singles, written the way users of
// each locale would, must come back bit for bit.
TEST(ParsesNumber, EveryShortestTextBackToTheSameSingle)
{
    std::mt19937 generator(7);
    std::uniform_int_distribution<std::uint32_t> anyBits;
    for (int sample = 0; sample < 20000; ++sample) {
        const float value = std::bit_cast<float>(anyBits(generator));
        if (!std::isfinite(value))
            continue;
        std::array<char, 64> buffer {};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
        std::string text(buffer.data(), end);
        const ParsedSingle english = parseSingle(text, kEnglish);
        ASSERT_TRUE(english.ok()) << text;
        ASSERT_EQ(bits(english.value), bits(value)) << text;

        std::replace(text.begin(), text.end(), '.', ',');
        const ParsedSingle bulgarian = parseSingle(text, kBulgarian);
        ASSERT_TRUE(bulgarian.ok()) << text;
        ASSERT_EQ(bits(bulgarian.value), bits(value)) << text;
    }
}

TEST(FormatsInt16, AsPlainDecimal)
{
    EXPECT_EQ(formatInt16(7), "7");
    EXPECT_EQ(formatInt16(-32768), "-32768");
}

} // namespace
} // namespace cramer
