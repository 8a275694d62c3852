// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/practice.h"

#include "solver/closed_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace cramer {
namespace {

// Digits and exponent together: far beyond any value a practice asks for.
constexpr std::uint64_t kLongestAnswer = 400;

// "−" (U+2212) read as "-".
std::string asciiMinus(std::string_view text)
{
    static constexpr std::string_view kMinus = "\xE2\x88\x92";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, kMinus.size()) == kMinus) {
            out += '-';
            i += kMinus.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

Rational powerOfTen(std::int64_t exponent)
{
    Rational ten(10);
    Rational result(1);
    for (std::int64_t i = 0; i < std::abs(exponent); ++i)
        result *= ten;
    return exponent >= 0 ? result : Rational(1) / result;
}

bool isInteger(const std::string& text)
{
    std::size_t start = text.size() > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (start == text.size())
        return false;
    for (std::size_t i = start; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

std::optional<Rational> integerValue(const std::string& text)
{
    const std::string part(trimmed(text));
    if (!isInteger(part))
        return std::nullopt;
    DecimalNumber number;
    number.negative = part[0] == '-';
    number.digits = part.substr(part[0] == '-' || part[0] == '+' ? 1 : 0);
    return Rational::fromDecimal(number);
}

// "0,8(3)", "-1.(142857)", "2,(3)": the program's own notation of a decimal
// that never ends, its period in parentheses. None when `text` is not one.
std::optional<Rational> periodicValue(const std::string& text, const NumberLocale& locale)
{
    const auto open = text.find('(');
    if (open == std::string::npos || text.back() != ')' || open + 2 > text.size() - 1)
        return std::nullopt;
    const std::string period = text.substr(open + 1, text.size() - open - 2);
    if (period.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    std::string head = text.substr(0, open);
    // Digits after the separator before the period; "0," stands for "0,0…".
    std::size_t fractionDigits = 0;
    for (const std::string& point : { locale.decimal, std::string(".") }) {
        const auto at = point.empty() ? std::string::npos : head.rfind(point);
        if (at != std::string::npos) {
            fractionDigits = head.size() - at - point.size();
            if (fractionDigits == 0)
                head.erase(at);
            break;
        }
    }
    const std::optional<DecimalNumber> start = parseDecimal(head, locale);
    if (!start || start->exponent != -static_cast<std::int64_t>(fractionDigits))
        return std::nullopt;
    const Rational repeat = *integerValue(period)
        / (powerOfTen(static_cast<std::int64_t>(period.size())) - Rational(1))
        / powerOfTen(static_cast<std::int64_t>(fractionDigits));
    const Rational value = Rational::fromDecimal(*start);
    return head.find('-') != std::string::npos ? value - repeat : value + repeat;
}

} // namespace

std::variant<Answer, AnswerProblem> readAnswer(std::string_view typed, const NumberLocale& locale)
{
    const std::string text = asciiMinus(trimmed(typed));
    if (text.empty())
        return AnswerProblem::Empty;
    if (text.size() > kLongestAnswer)
        return AnswerProblem::TooLong;
    if (const auto slash = text.find('/'); slash != std::string::npos) {
        const std::optional<Rational> numerator = integerValue(text.substr(0, slash));
        const std::optional<Rational> denominator = integerValue(text.substr(slash + 1));
        if (!numerator || !denominator)
            return AnswerProblem::NotANumber;
        if (denominator->isZero())
            return AnswerProblem::ZeroDenominator;
        return Answer { *numerator / *denominator, Answer::Form::Fraction, 0, 0 };
    }
    if (const std::optional<Rational> periodic = periodicValue(text, locale))
        return Answer { *periodic, Answer::Form::Periodic, 0, 0 };
    const std::optional<DecimalNumber> number = parseDecimal(text, locale);
    if (!number)
        return AnswerProblem::NotANumber;
    if (number->digits.size() + static_cast<std::uint64_t>(std::abs(number->exponent)) > kLongestAnswer)
        return AnswerProblem::TooLong;
    Answer answer { Rational::fromDecimal(*number), Answer::Form::Integer, 0, number->exponent };
    if (!isInteger(text)) {
        answer.form = Answer::Form::Decimal;
        const auto lead = number->digits.find_first_not_of('0');
        answer.significantDigits
            = lead == std::string::npos ? 0 : static_cast<int>(number->digits.size() - lead);
    }
    return answer;
}

namespace {

// `given` is `single` as the program prints it anywhere: its whole finite
// expansion, the working's shortest text that reads back as it, or the
// window's seven digits.
bool isPrintedSingle(const Rational& given, float single)
{
    if (given == Rational::fromSingle(single))
        return true;
    const NumberLocale plain { ".", "" };
    char shortest[32];
    const auto end = std::to_chars(shortest, shortest + sizeof shortest, single).ptr;
    for (const std::string& text : { std::string(shortest, end), formatSingle(single, plain) }) {
        const std::optional<DecimalNumber> printed = parseDecimal(text, plain);
        if (printed && given == Rational::fromDecimal(*printed))
            return true;
    }
    return false;
}

// A 2 × 2 or 3 × 3 determinant: the mistakes of the cross product and of
// Sarrus's rule that `is` the answer, in the order they are named.
void closedFormMistakes(const ExactWorking& working, int n, int index,
    const std::function<bool(const Rational&)>& is, const Rational& value, std::vector<NamedMistake>& found)
{
    const std::optional<ClosedForm> form = closedForm(
        n, [&](int row, int column) -> const Rational& { return working.entryOf(n, index, row, column); });
    const auto& terms = form->terms;
    if (n == 2) {
        if (is(-value))
            found.push_back({ Mistake::DiagonalsSwapped });
        if (is(terms[0].product + terms[1].product))
            found.push_back({ Mistake::ProductsAdded });
        return;
    }
    for (std::size_t k = 0; k < terms.size(); ++k) {
        const Rational signedTerm = terms[k].negative ? -terms[k].product : terms[k].product;
        if (signedTerm.isZero())
            continue;
        const int term = static_cast<int>(k) + 1;
        if (is(value - signedTerm))
            found.push_back({ Mistake::TermLeftOut, term });
        if (is(value - signedTerm - signedTerm))
            found.push_back({ Mistake::TermSignFlipped, term });
    }
}

} // namespace

float programsValue(const SolveRecord& record, PracticeStep step)
{
    const auto index = static_cast<std::size_t>(step.index);
    if (step.kind == PracticeStep::Kind::Determinant) {
        const auto found = std::find_if(record.determinants.begin(), record.determinants.end(),
            [&](const DeterminantRecord& entry) { return entry.index == step.index; });
        return found != record.determinants.end() && found->trace.status == DetStatus::Ok
            ? found->trace.value
            : std::numeric_limits<float>::quiet_NaN();
    }
    return index - 1 < record.quotients.size() ? record.quotients[index - 1]
                                               : std::numeric_limits<float>::quiet_NaN();
}

std::vector<PracticeStep> practiceSteps(int n, const ExactWorking& working)
{
    std::vector<PracticeStep> steps { { PracticeStep::Kind::Determinant, 0 } };
    if (working.verdict != ExactVerdict::OneSolution) {
        steps.push_back({ PracticeStep::Kind::SolutionCount, 0 });
        return steps;
    }
    for (int i = 1; i <= n; ++i)
        steps.push_back({ PracticeStep::Kind::Determinant, i });
    for (int i = 1; i <= n; ++i)
        steps.push_back({ PracticeStep::Kind::Unknown, i });
    return steps;
}

const Rational& expectedValue(const ExactWorking& working, PracticeStep step)
{
    const std::size_t index = static_cast<std::size_t>(step.index);
    if (step.kind == PracticeStep::Kind::Unknown)
        return working.solution[index - 1];
    // d of a system without one solution has no d_i beside it.
    return index == 0 ? working.determinant : working.cramerDeterminants[index];
}

AnswerCheck checkAnswer(
    const SolveRecord& record, const ExactWorking& working, PracticeStep step, const Answer& answer)
{
    const int n = record.typed.n;
    const float single = programsValue(record, step);
    const Rational& value = expectedValue(working, step);
    const Rational& given = answer.value;
    AnswerCheck check;
    if (given == value) {
        check.right = true;
        return check;
    }
    // A decimal for a value whose expansion never ends: right when correctly
    // rounded to three significant digits or more; a digit off in its last
    // place is a rounding mistake, unless it is how the program prints its
    // single-precision value. An integer or a decimal that ends must be
    // given whole.
    bool offInLastDigit = false;
    if (answer.form == Answer::Form::Decimal && answer.significantDigits < 3 && !value.terminates()
        && (given - value).abs() <= powerOfTen(answer.lastDigitExponent) / Rational(2)) {
        check.mistake = Mistake::TooFewDigits;
        return check;
    }
    if (answer.form == Answer::Form::Decimal && answer.significantDigits >= 3 && !value.terminates()) {
        const Rational unit = powerOfTen(answer.lastDigitExponent);
        const Rational off = (given - value).abs();
        if (off <= unit / Rational(2)) {
            check.right = true;
            return check;
        }
        offInLastDigit = off < unit;
    }
    if (std::isfinite(single) && isPrintedSingle(given, single)) {
        check.singlePrecisionValue = true;
        return check;
    }
    if (offInLastDigit) {
        check.mistake = Mistake::RoundedWrongly;
        return check;
    }

    // A mistaken value given exactly, or, for one that never ends, rounded
    // to the digits typed as a right value may be.
    const bool rounded = answer.form == Answer::Form::Decimal && answer.significantDigits >= 3;
    const Rational halfUnit = powerOfTen(answer.lastDigitExponent) / Rational(2);
    const auto is = [&](const Rational& mistaken) {
        return given == mistaken
            || (rounded && !mistaken.terminates() && (given - mistaken).abs() <= halfUnit);
    };
    const bool determinant = step.kind == PracticeStep::Kind::Determinant;
    std::vector<NamedMistake> found;
    if (determinant && (n == 2 || n == 3))
        closedFormMistakes(working, n, step.index, is, value, found);
    if (!value.isZero() && is(-value))
        found.push_back({ Mistake::OppositeSign });
    if (determinant && step.index > 0) {
        for (int column = 1; column <= n; ++column)
            if (column != step.index && is(working.cramerDeterminants[static_cast<std::size_t>(column)]))
                found.push_back({ Mistake::WrongColumnReplaced, 0, column });
    }
    if (!determinant) {
        const Rational& numerator = working.cramerDeterminants[static_cast<std::size_t>(step.index)];
        if (!numerator.isZero() && is(working.determinant / numerator))
            found.push_back({ Mistake::QuotientInverted });
    }
    if (!found.empty()) {
        check.mistake = found[0].mistake;
        check.term = found[0].term;
        check.column = found[0].column;
        if (found.size() > 1)
            check.alternative = found[1];
        return check;
    }
    check.mistake = Mistake::NotRight;
    if (!value.isZero())
        check.relativeError = ((given - value).abs() / value.abs()).toDouble();
    return check;
}

} // namespace cramer
