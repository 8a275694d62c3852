// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one place that decides how each kind of value is written in a
// document: singles as the program holds them or as the window shows them,
// estimates, and exact values with their periods. Numbers are made from
// their parts (sign, digits, exponent), never by reading text back.

#include "report/working_document.h"
#include "solver/exact.h"
#include "solver/number_text.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace cramer {

class NumberWriter {
public:
    explicit NumberWriter(const NumberLocale& locale);

    // The shortest text that reads back as this very single, so that every
    // product shown can be checked by hand.
    WrittenNumber single(float value) const;
    // Singles that stand together, as a matrix's entries: as single() writes
    // them, except that the small ones (below 0,01) share one notation,
    // positional where each fits in kPositionalSmall characters.
    std::vector<WrittenNumber> singlesAlike(const std::vector<float>& values) const;
    // As the window shows it: seven significant digits.
    WrittenNumber shown(float value) const;
    // An estimate such as an error: `digits` significant digits.
    WrittenNumber approximate(double value, int digits) const;

    // A single's whole finite expansion, its digits in groups of three
    // when long: what the program stores for a typed number.
    Runs stored(float value) const;
    // An exact value: all its digits, its period in parentheses; cut with
    // its count where it is long; "≈" and the words that it never ends
    // where its period is too long to write.
    Runs exact(const Rational& value) const;
    // The same, in parentheses when negative: a factor after an operator.
    Runs exactInParentheses(const Rational& value) const;
    // In lowest terms; one too long to read (more than kKeptDigits digits
    // above or below the line) as ≈ its value to nine significant digits.
    Runs fraction(const Rational& value) const;
    // An integer alone; otherwise the fraction and its decimal.
    Runs exactValue(const Rational& value) const;
    // "=" and exactValue; "≈" and its leading digits where the fraction is
    // too long to read and its decimal never ends.
    Runs equalsValue(const Rational& value) const;
    // The fraction, or nine significant digits where it has more than a
    // dozen digits (`approximated` is then set): a term of an expression.
    Runs readable(const Rational& value, bool& approximated) const;
    // Nine significant digits, enough to tell a value from a wrong single;
    // the value itself where it is short or a double cannot hold it.
    Runs nearly(const Rational& value) const;
    // A decimal that never ends and is too long to write with its period:
    // "≈", its leading digits and the words that it never ends.
    std::optional<Runs> neverEnding(const Rational& value) const;

    static Runs inParentheses(WrittenNumber number);

private:
    static constexpr int kPositionalSmall = 14;
    static bool isLongFraction(const Rational& value);
    // Positional, or scaled by a power of ten.
    WrittenNumber laidOut(const SignificantDigits& number, bool positional) const;
    Runs exactDigits(const DecimalExpansion& parts, bool whole) const;

    QString point_;
    mutable std::unordered_map<std::uint32_t, WrittenNumber> singles_; // by the single's bits
};

} // namespace cramer
