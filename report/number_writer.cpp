// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/number_writer.h"

#include "report/runs.h"
#include "report/texts.h"
#include "report/working_texts.h"

#include <QStringBuilder>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <string>

namespace cramer {
namespace {

// Longer exact values are cut to their first kKeptDigits, with their count.
constexpr std::size_t kLongestDigits = 40;
constexpr qsizetype kKeptDigits = 30;
// Below 1, more zeros after the point than this read as a row of zeros:
// the significant digits and a power of ten instead.
constexpr std::size_t kLongestZeroRun = 20;
// A stored single's leading zeros written out; more are a power of ten.
constexpr std::size_t kStoredZeroRun = 3;
// A stored single's digits are grouped in threes from this many on.
constexpr std::size_t kGroupedFrom = 16;

QString latin(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Groups of three from the point, "1 234" before it and "0,123 4" after it,
// parted by a narrow blank that no line breaks at where the number fits.
QString grouped(const std::string& digits, bool fromLeft)
{
    QString out;
    const std::size_t size = digits.size();
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t position = fromLeft ? i : size - i;
        if (i > 0 && position % 3 == 0)
            out += QChar(0x202F);
        out += QLatin1Char(digits[i]);
    }
    return out;
}

QString cut(const QString& digits)
{
    QString kept = digits.left(kKeptDigits);
    const bool inPeriod = kept.contains(QLatin1Char('(')) && !kept.contains(QLatin1Char(')'));
    return kept % QStringLiteral("…") % (inPeriod ? QStringLiteral(")") : QString());
}

Runs withCount(WrittenNumber number, std::size_t all)
{
    number.digits = cut(number.digits);
    return { numberRun(number),
        textRun(QStringLiteral(" ") % texts::qtText(texts::kDigitsInAll, static_cast<int>(all))) };
}

// How std::to_chars writes a shortest single: positional unless that is
// longer than the scientific form.
bool positionalIsShorter(const SignificantDigits& number)
{
    const auto digits = static_cast<int>(number.digits.size());
    const int e = number.exponent;
    const int positional = e >= 0 ? std::max(digits, e + 1) + (digits > e + 1 ? 1 : 0) : digits + 1 - e;
    const int exponentDigits = std::max(2, static_cast<int>(std::to_string(std::abs(e)).size()));
    const int scientific = digits + (digits > 1 ? 1 : 0) + 2 + exponentDigits;
    return positional <= scientific;
}

} // namespace

NumberWriter::NumberWriter(const NumberLocale& locale)
    : point_(QString::fromStdString(locale.decimal))
{
}

WrittenNumber NumberWriter::laidOut(const SignificantDigits& number, bool positionalForm) const
{
    WrittenNumber written;
    written.negative = number.negative && number.digits != "0"; // never "-0"
    if (positionalForm) {
        written.digits = QString::fromStdString(positional(number, point_.toStdString()));
        return written;
    }
    written.digits = QLatin1Char(number.digits.front())
        % (number.digits.size() > 1 ? point_ % latin(number.digits.substr(1)) : QString());
    written.scaled = true;
    written.exponent = number.exponent;
    return written;
}

WrittenNumber NumberWriter::single(float value) const
{
    const auto [known, added] = singles_.try_emplace(std::bit_cast<std::uint32_t>(value));
    if (added) {
        if (std::isinf(value)) {
            known->second = { value < 0, {}, false, 0, true };
        } else {
            const SignificantDigits digits = shortestDigits(value);
            known->second = laidOut(digits, positionalIsShorter(digits));
            if (!known->second.scaled && digits.exponent >= static_cast<int>(digits.digits.size())) {
                // An integer beyond its shortest digits: all of its own, as
                // the hand computes it, not zeros after the shortest ones.
                std::array<char, 48> buffer {};
                const auto end = std::to_chars(
                    buffer.data(), buffer.data() + buffer.size(), std::fabs(value), std::chars_format::fixed)
                                     .ptr;
                known->second.digits = QString::fromLatin1(buffer.data(), end - buffer.data());
            }
        }
    }
    return known->second;
}

std::vector<WrittenNumber> NumberWriter::singlesAlike(const std::vector<float>& values) const
{
    const auto small = [](float value) { return value != 0.0f && std::fabs(value) < 0.01f; };
    bool positionalForm = true;
    for (const float value : values)
        if (small(value)) {
            const SignificantDigits digits = shortestDigits(value);
            positionalForm = positionalForm
                && static_cast<int>(digits.digits.size()) + 1 - digits.exponent <= kPositionalSmall;
        }
    std::vector<WrittenNumber> written;
    written.reserve(values.size());
    for (const float value : values)
        written.push_back(small(value) ? laidOut(shortestDigits(value), positionalForm) : single(value));
    return written;
}

WrittenNumber NumberWriter::shown(float value) const
{
    if (std::isinf(value))
        return { value < 0, {}, false, 0, true };
    const SignificantDigits digits = significantDigits(static_cast<double>(value), 7);
    return laidOut(digits, digits.exponent >= -4 && digits.exponent <= 6);
}

WrittenNumber NumberWriter::approximate(double value, int digits) const
{
    if (!std::isfinite(value))
        return { value < 0, {}, false, 0, true };
    const SignificantDigits number = significantDigits(value, digits);
    return laidOut(number, number.exponent >= -4 && number.exponent < digits);
}

Runs NumberWriter::exactDigits(const DecimalExpansion& parts, bool whole) const
{
    const std::size_t zeros = parts.leadingZeros();
    const std::size_t all = parts.integer.size() + parts.fraction.size() + parts.period.size();
    const bool belowOne = parts.integer == "0" && parts.period.empty() && zeros < parts.fraction.size();
    WrittenNumber number;
    number.negative = parts.negative;
    if (belowOne
        && (whole ? zeros > kStoredZeroRun
                  : zeros > kLongestZeroRun || (all > kLongestDigits && zeros > 0))) {
        const std::string significant = parts.fraction.substr(zeros);
        const std::string rest = significant.substr(1);
        number.digits = QLatin1Char(significant.front())
            % (rest.empty() ? QString() : point_ % (whole ? grouped(rest, true) : latin(rest)));
        number.scaled = true;
        number.exponent = -static_cast<int>(zeros) - 1;
        if (!whole && significant.size() > kLongestDigits)
            return withCount(number, significant.size());
        return { numberRun(number) };
    }
    const bool group = whole && all >= kGroupedFrom;
    number.digits = group ? grouped(parts.integer, false) : latin(parts.integer);
    if (!parts.fraction.empty() || !parts.period.empty())
        number.digits += point_ % (group ? grouped(parts.fraction, true) : latin(parts.fraction));
    if (!parts.period.empty())
        number.digits += QLatin1Char('(') % latin(parts.period)
            % (parts.periodCut ? QStringLiteral("…") : QString()) % QLatin1Char(')');
    if (!whole && all > kLongestDigits)
        return withCount(number, all);
    return { numberRun(number) };
}

Runs NumberWriter::stored(float value) const
{
    return exactDigits(Rational::fromSingle(value).expansion(), true);
}

std::optional<Runs> NumberWriter::neverEnding(const Rational& value) const
{
    if (value.terminates())
        return std::nullopt;
    const DecimalExpansion parts = value.expansion();
    const std::size_t all = parts.integer.size() + parts.fraction.size() + parts.period.size();
    const bool rowOfZeros = parts.integer == "0" && parts.leadingZeros() > kLongestZeroRun;
    if (!parts.periodCut && all <= kLongestDigits && !rowOfZeros)
        return std::nullopt;
    const double approximation = value.toDouble();
    if (!std::isfinite(approximation) || approximation == 0.0)
        return std::nullopt;
    return Runs { numberRun(approximate(approximation, 15)), textRun(texts::qtText(texts::kNeverEnds)) };
}

Runs NumberWriter::exact(const Rational& value) const
{
    if (std::optional<Runs> approximately = neverEnding(value))
        return Runs { textRun(QStringLiteral("≈ ")) } << *approximately;
    return exactDigits(value.expansion(), false);
}

Runs NumberWriter::exactInParentheses(const Rational& value) const
{
    Runs runs = exact(value);
    runs.front().number.parenthesized = value.sign() < 0;
    return runs;
}

Runs NumberWriter::fraction(const Rational& value) const
{
    if (value.isInteger())
        return exact(value);
    const Rational magnitude = value.abs();
    const QString numerator = QString::fromStdString(magnitude.numerator());
    const QString denominator = QString::fromStdString(magnitude.denominator());
    Run run { Run::Kind::Fraction, {}, { value.sign() < 0, numerator, false, 0, false }, denominator, 0 };
    if (!isLongFraction(value))
        return { run };
    // Too long to read: its value, to nine significant digits.
    return { textRun(QStringLiteral("≈ ")), numberRun(approximate(value.toDouble(), 9)) };
}

Runs NumberWriter::equalsValue(const Rational& value) const
{
    if (!isLongFraction(value) || value.terminates() || !std::isfinite(value.toDouble()))
        return Runs { operatorRun("=") } << exactValue(value);
    // As many digits as the exact value's own line gives.
    return Runs { operatorRun("≈"), numberRun(approximate(value.toDouble(), 15)),
        textRun(texts::qtText(texts::kNeverEnds)) };
}

Runs NumberWriter::readable(const Rational& value, bool& approximated) const
{
    // A term a student reads at a glance: a fraction of a dozen digits at most.
    constexpr std::size_t kReadableDigits = 12;
    if (value.abs().numerator().size() + value.denominator().size() <= kReadableDigits)
        return fraction(value);
    approximated = true;
    return { numberRun(approximate(value.toDouble(), 9)) };
}

bool NumberWriter::isLongFraction(const Rational& value)
{
    const std::size_t numerator = value.abs().numerator().size();
    const std::size_t denominator = value.denominator().size();
    return numerator + denominator > kLongestDigits && (numerator > kKeptDigits || denominator > kKeptDigits);
}

Runs NumberWriter::exactValue(const Rational& value) const
{
    // A decimal says all a fraction too long to read would.
    if (value.isInteger() || isLongFraction(value))
        return exact(value);
    const Runs asFraction = fraction(value);
    if (std::optional<Runs> approximately = neverEnding(value))
        return Runs(asFraction) << operatorRun("≈") << *approximately;
    return Runs(asFraction) << operatorRun("=") << exact(value);
}

Runs NumberWriter::nearly(const Rational& value) const
{
    const double approximation = value.toDouble();
    bool short_ = false;
    if (value.terminates()) {
        const DecimalExpansion parts = value.expansion();
        const std::size_t zeros = parts.leadingZeros();
        const std::size_t length = parts.integer == "0" && zeros > kLongestZeroRun
            ? parts.fraction.size() - zeros
            : (parts.negative ? 1 : 0) + parts.integer.size()
                + (parts.fraction.empty() ? 0 : 1 + parts.fraction.size());
        short_ = length <= 12;
    }
    if (short_ || !std::isfinite(approximation) || (approximation == 0.0 && !value.isZero()))
        return exact(value);
    return { textRun(QStringLiteral("≈ ")), numberRun(approximate(approximation, 9)) };
}

Runs NumberWriter::inParentheses(WrittenNumber number)
{
    number.parenthesized = number.negative;
    return { numberRun(number) };
}

} // namespace cramer
