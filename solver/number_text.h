// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Conversions between single-precision numbers and the texts the user types
// and reads. Every number the program shows or reads goes through here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cramer {

// The separators of the user's locale, as UTF-8 texts. `group` may be empty
// (a locale without grouping).
struct NumberLocale {
    std::string decimal = ".";
    std::string group = ",";
};

inline const NumberLocale kCLocale { ".", "," };

enum class ConversionError {
    None,
    NotANumber, // empty, blank or not a number in an accepted form
    OutOfRange, // magnitude beyond single precision
};

struct ParsedSingle {
    float value = 0.0f;
    ConversionError error = ConversionError::None;

    bool ok() const { return error == ConversionError::None; }
};

// Blanks: ASCII white space and the no-break, narrow no-break and figure
// spaces, wherever a text is read. The length of the blank that starts at
// `position` of `text`, or 0.
std::size_t blankAt(std::string_view text, std::size_t position);
// `text` without the blanks around it.
std::string_view trimmed(std::string_view text);

// A number exactly as typed: value = (negative ? -1 : 1) × digits × 10^exponent.
struct DecimalNumber {
    bool negative = false;
    std::string digits; // every digit typed, integer and fraction part together
    std::int64_t exponent = 0; // saturates far beyond any single-precision value
};

// The grammar of parseSingle below, without rounding: the same texts are
// accepted under the same locale rules.
std::optional<DecimalNumber> parseDecimal(std::string_view text, const NumberLocale& locale);

// Text to single, correctly rounded from the decimal text in one step.
// Accepts blanks around the number, an optional sign, digits with the
// locale's decimal separator (or "." when that cannot be mistaken for the
// grouping), grouping between groups of three integer digits (the first
// group not starting with 0), and an optional exponent. A value too small for single precision becomes zero
// or the nearest subnormal.
ParsedSingle parseSingle(std::string_view text, const NumberLocale& locale);

// A finite number's significant digits and decimal exponent: the value is
// ±d.ddd… · 10^exponent, without trailing zeros; zero is "0", exponent 0.
struct SignificantDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Rounded to `count` significant digits from the exact value.
SignificantDigits significantDigits(double value, int count);
// The fewest digits that read back as this very single.
SignificantDigits shortestDigits(float value);
// The digits with `point` where it belongs and no exponent: "0,00015",
// "1234,5", "1500"; without the sign.
std::string positional(const SignificantDigits& number, std::string_view point);

// Single to text: seven significant digits, fixed notation for decimal
// exponents -4 … 6, otherwise mantissa, "E", sign and at least two exponent
// digits. Negative zero is written "0".
std::string formatSingle(float value, const NumberLocale& locale);

// Rounds to `places` decimal places (0 … 3), an exact half to the even
// neighbour, and returns the single nearest to the result.
float roundToPlaces(float value, int places);

std::string formatInt16(std::int16_t value);

} // namespace cramer
