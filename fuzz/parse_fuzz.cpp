// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the number parser and formatter against properties that do not
// depend on how they work: the accepted form is matched here on its own,
// and every accepted value must be the one strtof gives for the same number.
// The first byte picks the locale; the next four are also a single for the
// format → parse → format round trip.

#include "solver/number_text.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

using cramer::NumberLocale;

struct LocaleRules {
    NumberLocale separators;
    std::vector<std::string_view> groups; // what may separate groups of three
    std::vector<std::string_view> points; // what may stand for the decimal point
};

const std::array<LocaleRules, 3> kLocales { {
    { { ".", "," }, { "," }, { "." } },
    { { ",", "\u00A0" }, { "\u00A0", " " }, { ",", "." } },
    { { ",", "." }, { "." }, { "," } },
} };

constexpr std::array<std::string_view, 9> kBlanks { " ", "\t", "\v", "\f", "\r", "\n", "\u00A0", "\u202F",
    "\u2007" };

// Texts the seven-digit rule cannot carry through a parse: the nearest single
// to the power of ten lies more than half a seven-digit step below it.
constexpr std::array<std::uint32_t, 2> kNoRoundTrip { 0x6E013F39u, 0x006CE3EEu };

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "%s: '%.*s'\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

std::string_view trim(std::string_view text)
{
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view blank : kBlanks) {
            for (; text.starts_with(blank); trimmed = true)
                text.remove_prefix(blank.size());
            for (; text.ends_with(blank); trimmed = true)
                text.remove_suffix(blank.size());
        }
    }
    return text;
}

bool startsWithAny(
    std::string_view text, const std::vector<std::string_view>& candidates, std::size_t& length)
{
    for (std::string_view candidate : candidates) {
        if (text.starts_with(candidate)) {
            length = candidate.size();
            return true;
        }
    }
    return false;
}

// The trimmed text as one symbol per token (z zero, d other digit, g group
// separator, p decimal point, s sign, e exponent mark, x anything else), and
// the same number as strtof reads it.
struct Tokens {
    std::string symbols;
    std::string plain;
};

Tokens tokenize(std::string_view text, const LocaleRules& rules)
{
    Tokens tokens;
    while (!text.empty()) {
        const char c = text.front();
        std::size_t length = 1;
        if (c >= '0' && c <= '9') {
            tokens.symbols += c == '0' ? 'z' : 'd';
            tokens.plain += c;
        } else if (startsWithAny(text, rules.groups, length)) {
            tokens.symbols += 'g';
        } else if (startsWithAny(text, rules.points, length)) {
            tokens.symbols += 'p';
            tokens.plain += '.';
        } else if (text.starts_with("\u2212")) {
            length = std::string_view("\u2212").size();
            tokens.symbols += 's';
            tokens.plain += '-';
        } else if (const std::string_view dash = "\u2013";
                   text.starts_with(dash) && text.size() > dash.size() && text[dash.size()] >= '0'
                   && text[dash.size()] <= '9') {
            // An en dash right before a digit, as a word processor leaves a minus.
            length = dash.size();
            tokens.symbols += 's';
            tokens.plain += '-';
        } else if (c == '+' || c == '-' || c == 'e' || c == 'E') {
            tokens.symbols += (c == 'e' || c == 'E') ? 'e' : 's';
            tokens.plain += c;
        } else {
            tokens.symbols += 'x';
        }
        text.remove_prefix(length);
    }
    return tokens;
}

// Optional sign; digits, grouped in threes after a first group of one to
// three that does not start with 0, or not grouped at all; optional point
// and fraction digits, at least one digit in all; optional exponent.
bool isAcceptedForm(const std::string& symbols)
{
    static const std::regex form(
        "s?(?=[dz]|p[dz])(d[dz]{0,2}(g[dz]{3})+|[dz]*)(p[dz]*)?(es?[dz]+)?", std::regex::optimize);
    return std::regex_match(symbols, form);
}

void checkParse(std::string_view text, const LocaleRules& rules)
{
    const cramer::ParsedSingle parsed = cramer::parseSingle(text, rules.separators);
    const Tokens tokens = tokenize(trim(text), rules);
    const bool accepted = isAcceptedForm(tokens.symbols);
    if (parsed.error == cramer::ConversionError::NotANumber) {
        if (accepted)
            fail("rejected a number", text);
        return;
    }
    if (!accepted)
        fail("accepted a text that is not a number", text);
    const float expected = std::strtof(tokens.plain.c_str(), nullptr);
    if (parsed.error == cramer::ConversionError::OutOfRange) {
        if (!std::isinf(expected))
            fail("out of range, but strtof reads a single", text);
        return;
    }
    if (std::bit_cast<std::uint32_t>(parsed.value) != std::bit_cast<std::uint32_t>(expected))
        fail("value differs from strtof", text);
}

void checkRoundTrip(float value, const LocaleRules& rules)
{
    if (!std::isfinite(value))
        return;
    const std::string text = cramer::formatSingle(value, rules.separators);
    const cramer::ParsedSingle parsed = cramer::parseSingle(text, rules.separators);
    if (!parsed.ok())
        fail("formatted text does not parse", text);
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(std::fabs(parsed.value));
    for (std::uint32_t exception : kNoRoundTrip) {
        if (bits == exception)
            return;
    }
    if (cramer::formatSingle(parsed.value, rules.separators) != text)
        fail("format, parse, format changes the text", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 256)
        return 0;
    const LocaleRules& rules = kLocales[data[0] % kLocales.size()];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    checkParse(text, rules);
    if (size >= 5) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, data + 1, sizeof bits);
        checkRoundTrip(std::bit_cast<float>(bits), rules);
    }
    return 0;
}
