// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace cramer {
namespace {

constexpr std::string_view kNoBreakSpace = "\u00A0";
constexpr std::string_view kNarrowNoBreakSpace = "\u202F";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// ASCII white space and the no-break, narrow no-break and figure spaces.
constexpr std::array<std::string_view, 9> kBlanks { " ", "\t", "\v", "\f", "\r", "\n", kNoBreakSpace,
    kNarrowNoBreakSpace, "\u2007" };

// Which bytes begin or end a blank: most texts have none around them, and
// one look at a byte settles it.
constexpr std::array<bool, 256> bytesOfBlanks(bool first)
{
    std::array<bool, 256> table {};
    for (std::string_view blank : kBlanks)
        table[static_cast<unsigned char>(first ? blank.front() : blank.back())] = true;
    return table;
}
constexpr std::array<bool, 256> kBlankFirstBytes = bytesOfBlanks(true);
constexpr std::array<bool, 256> kBlankLastBytes = bytesOfBlanks(false);

// The texts that separate digit groups: the locale's own, and an ordinary
// space where the locale groups with a no-break space (nobody types those).
std::array<std::string_view, 2> groupSeparators(const NumberLocale& locale)
{
    std::string_view group = locale.group;
    if (group == kNoBreakSpace || group == kNarrowNoBreakSpace)
        return { group, " " };
    return { group, {} };
}

std::string_view matchAny(std::string_view text, std::initializer_list<std::string_view> candidates)
{
    for (std::string_view candidate : candidates) {
        if (!candidate.empty() && text.starts_with(candidate))
            return candidate;
    }
    return {};
}

// The minus sign U+2212, as the program itself writes a negative number.
constexpr std::string_view kMinusSign = "\u2212";
// An en dash, as a word processor's autocorrect turns a typed "-" into;
// a minus only right before a digit, where it can mean nothing else.
constexpr std::string_view kEnDash = "\u2013";

// Takes a sign off the front of `text`; says whether it was a minus.
bool takeSign(std::string_view& text)
{
    if (text.starts_with(kMinusSign)) {
        text.remove_prefix(kMinusSign.size());
        return true;
    }
    if (text.starts_with(kEnDash) && text.size() > kEnDash.size() && isDigit(text[kEnDash.size()])) {
        text.remove_prefix(kEnDash.size());
        return true;
    }
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        const bool minus = text.front() == '-';
        text.remove_prefix(1);
        return minus;
    }
    return false;
}

bool splitDecimal(std::string_view text, const NumberLocale& locale, DecimalNumber& out)
{
    out.negative = takeSign(text);

    const auto groups = groupSeparators(locale);
    // "." also means the decimal point unless the locale groups with it.
    const std::string_view extraPoint
        = (locale.decimal != "." && locale.group != ".") ? std::string_view(".") : std::string_view();

    // Integer part, possibly grouped in threes.
    std::size_t groupCount = 0;
    std::size_t digitsInGroup = 0;
    while (!text.empty()) {
        if (isDigit(text.front())) {
            out.digits.push_back(text.front());
            ++digitsInGroup;
            text.remove_prefix(1);
            continue;
        }
        std::string_view separator = matchAny(text, { groups[0], groups[1] });
        if (separator.empty())
            break;
        if (digitsInGroup == 0 || (groupCount == 0 && digitsInGroup > 3)
            || (groupCount > 0 && digitsInGroup != 3))
            return false;
        // No grouped number starts with 0: "0,125" under a comma-grouping
        // locale is a mistyped decimal, not 125.
        if (groupCount == 0 && out.digits.front() == '0')
            return false;
        ++groupCount;
        digitsInGroup = 0;
        text.remove_prefix(separator.size());
    }
    if (groupCount > 0 && digitsInGroup != 3)
        return false;
    const std::size_t integerDigits = out.digits.size();

    if (std::string_view point = matchAny(text, { locale.decimal, extraPoint }); !point.empty()) {
        text.remove_prefix(point.size());
        while (!text.empty() && isDigit(text.front())) {
            out.digits.push_back(text.front());
            text.remove_prefix(1);
        }
    }
    if (out.digits.empty())
        return false;

    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text.remove_prefix(1);
        const bool negativeExponent = takeSign(text);
        if (text.empty() || !isDigit(text.front()))
            return false;
        std::int64_t exponent = 0;
        constexpr std::int64_t kSaturation = std::int64_t { 1 } << 40;
        while (!text.empty() && isDigit(text.front())) {
            exponent = std::min(kSaturation, exponent * 10 + (text.front() - '0'));
            text.remove_prefix(1);
        }
        out.exponent = negativeExponent ? -exponent : exponent;
    }
    out.exponent -= static_cast<std::int64_t>(out.digits.size() - integerDigits);
    return text.empty();
}

} // namespace

std::size_t blankAt(std::string_view text, std::size_t position)
{
    if (position >= text.size() || !kBlankFirstBytes[static_cast<unsigned char>(text[position])])
        return 0;
    for (std::string_view blank : kBlanks) {
        if (text.substr(position).starts_with(blank))
            return blank.size();
    }
    return 0;
}

std::string_view trimmed(std::string_view text)
{
    while (const std::size_t blank = blankAt(text, 0))
        text.remove_prefix(blank);
    while (!text.empty() && kBlankLastBytes[static_cast<unsigned char>(text.back())]) {
        const auto blank = std::find_if(kBlanks.begin(), kBlanks.end(),
            [text](std::string_view candidate) { return text.ends_with(candidate); });
        if (blank == kBlanks.end())
            break;
        text.remove_suffix(blank->size());
    }
    return text;
}

std::optional<DecimalNumber> parseDecimal(std::string_view text, const NumberLocale& locale)
{
    DecimalNumber decimal;
    if (!splitDecimal(trimmed(text), locale, decimal))
        return std::nullopt;
    return decimal;
}

ParsedSingle parseSingle(std::string_view text, const NumberLocale& locale)
{
    const std::optional<DecimalNumber> parsed = parseDecimal(text, locale);
    if (!parsed)
        return { 0.0f, ConversionError::NotANumber };
    const DecimalNumber& decimal = *parsed;

    const float signedZero = decimal.negative ? -0.0f : 0.0f;
    const std::size_t lead = decimal.digits.find_first_not_of('0');
    if (lead == std::string::npos)
        return { signedZero, ConversionError::None };

    // Written as d.ddd…E±x, with x the power of ten of the leading digit.
    const std::string_view significant = std::string_view(decimal.digits).substr(lead);
    const std::int64_t leadExponent = decimal.exponent + static_cast<std::int64_t>(significant.size()) - 1;
    constexpr std::int64_t kBeyondSingle = 40; // 1E+39 already overflows
    constexpr std::int64_t kBelowSingle = -47; // 9.99E-47 already rounds to zero
    if (leadExponent >= kBeyondSingle)
        return { 0.0f, ConversionError::OutOfRange };
    if (leadExponent <= kBelowSingle)
        return { signedZero, ConversionError::None };

    std::string canonical;
    canonical.reserve(significant.size() + 8);
    if (decimal.negative)
        canonical.push_back('-');
    canonical.push_back(significant.front());
    canonical.push_back('.');
    canonical.append(significant.substr(1));
    canonical.push_back('e');
    canonical.append(std::to_string(leadExponent));

    float value = 0.0f;
    const auto [end, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (end != canonical.data() + canonical.size())
        return { 0.0f, ConversionError::NotANumber };
    if (error == std::errc::result_out_of_range) {
        // from_chars reports both directions alike: below 1 it is an underflow.
        if (leadExponent < 0)
            return { signedZero, ConversionError::None };
        return { 0.0f, ConversionError::OutOfRange };
    }
    if (error != std::errc())
        return { 0.0f, ConversionError::NotANumber };
    return { value, ConversionError::None };
}

namespace {

// "-1.2345e-07" as to_chars writes a number in scientific notation.
SignificantDigits fromScientific(std::string_view scientific)
{
    SignificantDigits number;
    number.negative = scientific.front() == '-';
    const std::string_view body = scientific.substr(number.negative ? 1 : 0);
    const std::size_t ePos = body.find('e');
    number.digits.push_back(body[0]);
    if (ePos > 1)
        number.digits.append(body.substr(2, ePos - 2));
    std::from_chars(
        body.data() + ePos + 1 + (body[ePos + 1] == '+' ? 1 : 0), body.data() + body.size(), number.exponent);
    number.digits.erase(std::max<std::size_t>(number.digits.find_last_not_of('0') + 1, 1));
    return number;
}

} // namespace

SignificantDigits significantDigits(double value, int count)
{
    if (value == 0.0)
        return { false, "0", 0 };
    std::array<char, 48> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, count - 1);
    return fromScientific({ buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()) });
}

SignificantDigits shortestDigits(float value)
{
    if (value == 0.0f)
        return { false, "0", 0 };
    std::array<char, 48> buffer {};
    const auto result
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific);
    return fromScientific({ buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()) });
}

std::string positional(const SignificantDigits& number, std::string_view point)
{
    const std::string& digits = number.digits;
    if (number.exponent < 0)
        return "0" + std::string(point) + std::string(static_cast<std::size_t>(-number.exponent - 1), '0')
            + digits;
    const auto integerDigits = static_cast<std::size_t>(number.exponent) + 1;
    if (digits.size() <= integerDigits)
        return digits + std::string(integerDigits - digits.size(), '0');
    return digits.substr(0, integerDigits) + std::string(point) + digits.substr(integerDigits);
}

std::string formatSingle(float value, const NumberLocale& locale)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0f)
        return "0";

    // The double holds the single exactly, so this rounds the exact value.
    const SignificantDigits number = significantDigits(static_cast<double>(value), 7);
    std::string text = number.negative ? "-" : "";
    if (number.exponent >= -4 && number.exponent <= 6)
        return text + positional(number, locale.decimal);

    text.push_back(number.digits.front());
    if (number.digits.size() > 1) {
        text += locale.decimal;
        text.append(number.digits, 1);
    }
    text += number.exponent < 0 ? "E-" : "E+";
    const int magnitude = number.exponent < 0 ? -number.exponent : number.exponent;
    if (magnitude < 10)
        text.push_back('0');
    text += std::to_string(magnitude);
    return text;
}

float roundToPlaces(float value, int places)
{
    static constexpr std::array<double, 4> kScale { 1.0, 10.0, 100.0, 1000.0 };
    const double scale = kScale.at(static_cast<std::size_t>(places));
    // value × 10^places needs at most 24 + 10 bits: exact in double. The
    // quotient below is rounded twice (double, then single), but a quotient
    // of such small integers never lands on a single-precision midpoint
    // unless it is one exactly, so the result is the correctly rounded one.
    const double scaled = std::nearbyint(static_cast<double>(value) * scale);
    return static_cast<float>(scaled / scale);
}

std::string formatInt16(std::int16_t value) { return std::to_string(value); }

} // namespace cramer
