// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/working_document.h"

#include "report/figure.h"
#include "report/runs.h"
#include "report/solve_messages.h"
#include "report/texts.h"
#include "solver/closed_form.h"

#include <QStringBuilder>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <variant>

namespace cramer {

WrittenNumber WrittenNumber::fromText(const QString& text)
{
    WrittenNumber number;
    QString rest = text.trimmed();
    if (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QChar(0x2212))) {
        number.negative = true;
        rest.remove(0, 1);
    } else if (rest.startsWith(QLatin1Char('+'))) {
        rest.remove(0, 1);
    }
    if (rest == QStringLiteral("∞") || rest.compare(QStringLiteral("inf"), Qt::CaseInsensitive) == 0) {
        number.infinite = true;
        return number;
    }
    const qsizetype e = rest.indexOf(QLatin1Char('E'), 0, Qt::CaseInsensitive);
    bool valid = false;
    const int exponent = e > 0 ? rest.mid(e + 1).toInt(&valid) : 0;
    if (valid) {
        number.scaled = true;
        number.exponent = exponent;
        rest.truncate(e);
    }
    number.digits = rest;
    // "0", never "-0".
    number.negative = number.negative && std::any_of(rest.begin(), rest.end(), [](QChar c) {
        return c.isDigit() && c != QLatin1Char('0');
    });
    return number;
}

QString WrittenNumber::signedDigits() const
{
    return (negative ? QStringLiteral("−") : QString()) % (infinite ? QStringLiteral("∞") : digits);
}

QString WrittenNumber::plain() const
{
    static constexpr std::array<char16_t, 10> kSuperscripts { u'⁰', u'¹', u'²', u'³', u'⁴', u'⁵', u'⁶', u'⁷',
        u'⁸', u'⁹' };
    QString text = signedDigits();
    if (scaled && !infinite) {
        text += QStringLiteral("·10");
        if (exponent < 0)
            text += QChar(u'⁻');
        for (const QChar digit : QString::number(std::abs(exponent)))
            text += QChar(kSuperscripts[static_cast<std::size_t>(digit.digitValue())]);
    }
    return parenthesized ? QLatin1Char('(') % text % QLatin1Char(')') : text;
}

const Section* WorkingDocument::section(Section::Id id) const
{
    const auto found
        = std::find_if(sections.begin(), sections.end(), [id](const Section& s) { return s.id == id; });
    return found == sections.end() ? nullptr : &*found;
}

namespace {

using texts::qtText;

// Exact values longer than this many digits are cut with "…", and the
// count of their digits follows, so every form keeps them on one line.
constexpr int kLongestDigits = 40;
constexpr int kKeptDigits = 30;

Runs determinantName(int index) { return { nameRun('d', index) }; }

// One equation as typed: "2·x₁ − 3·x₂ = −8", the sign between terms apart
// from the coefficient.
Runs typedEquation(const SolveRecord& record, int row)
{
    auto typed = [&](int column) {
        return WrittenNumber::fromText(QString::fromStdString(record.text(row, column)));
    };
    Runs equation;
    for (int column = 1; column <= record.n; ++column) {
        WrittenNumber coefficient = typed(column);
        if (column > 1) {
            equation << operatorRun(coefficient.negative ? "−" : "+");
            coefficient.negative = false;
        }
        // A coefficient typed as 1 is left out, as textbooks write x₁ − x₂;
        // a leading −1 leaves its sign alone.
        const bool one = coefficient.digits == QStringLiteral("1") && !coefficient.scaled;
        if (!one)
            equation << numberRun(coefficient) << operatorRun("·");
        else if (coefficient.negative)
            equation << numberRun(WrittenNumber { true, {}, false, 0, false, false });
        equation << nameRun('x', column);
    }
    return equation << operatorRun("=") << numberRun(typed(record.n + 1));
}

// The one place that decides how each kind of value is written.
class Numbers {
protected:
    explicit Numbers(const WorkedSolution& solution)
        : solution_(solution)
        , point_(QString::fromStdString(solution.record.locale.decimal))
    {
    }

    // A single in the working: the shortest text that reads back as this very
    // single, so that every product shown can be checked by hand. Written
    // once per value: an elimination's matrices repeat most of their entries.
    WrittenNumber single(float value) const
    {
        const auto [known, added] = singles_.try_emplace(std::bit_cast<std::uint32_t>(value));
        if (added)
            known->second = writtenSingle(value);
        return known->second;
    }
    WrittenNumber writtenSingle(float value) const
    {
        if (std::isinf(value))
            return { value < 0, {}, false, 0, true };
        if (value == 0.0f)
            return WrittenNumber::fromText(QStringLiteral("0")); // never "-0"
        std::array<char, 48> buffer {};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
        return localised(QString::fromLatin1(buffer.data(), end - buffer.data()));
    }
    // As the window shows it: seven significant digits.
    WrittenNumber shown(float value) const
    {
        if (value == 0.0f)
            return WrittenNumber::fromText(QStringLiteral("0"));
        return WrittenNumber::fromText(solution_.number(value));
    }
    // An estimate such as an error: `digits` significant digits.
    WrittenNumber approximate(double value, int digits) const
    {
        std::array<char, 48> buffer {};
        const auto end = std::to_chars(
            buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, digits)
                             .ptr;
        return localised(QString::fromLatin1(buffer.data(), end - buffer.data()));
    }
    WrittenNumber localised(QString text) const
    {
        text.replace(QLatin1Char('.'), point_);
        return WrittenNumber::fromText(text);
    }
    // A decimal that never ends and is too long to write with its period:
    // its leading digits, "≈" before them and the words that it never ends.
    // A value far below 1 by its significant digits and a power of ten,
    // never a row of zeros.
    std::optional<Runs> neverEnding(const Rational& value) const
    {
        if (value.terminates())
            return std::nullopt;
        const QString text = QString::fromStdString(value.decimal(point_.toStdString()));
        if (!text.contains(QStringLiteral("…")) && digitCount(text) <= kLongestDigits)
            return std::nullopt;
        const double approximation = value.toDouble();
        if (!std::isfinite(approximation) || approximation == 0.0)
            return std::nullopt;
        return Runs { numberRun(approximate(approximation, 15)), textRun(qtText(texts::kNeverEnds)) };
    }
    // An exact value's digits, cut past kLongestDigits with the count after it.
    Runs exact(const Rational& value) const
    {
        if (std::optional<Runs> approximately = neverEnding(value))
            return Runs { textRun(QStringLiteral("≈ ")) } << *approximately;
        WrittenNumber number
            = WrittenNumber::fromText(QString::fromStdString(value.decimal(point_.toStdString())));
        Runs runs { numberRun(number) };
        const int all = digitCount(number.digits);
        // A long terminating decimal below 1 reads as a row of zeros: its
        // significant digits and the power of ten instead.
        const auto nonzero = std::find_if(number.digits.begin(), number.digits.end(),
            [](QChar c) { return c.isDigit() && c != QLatin1Char('0'); });
        const qsizetype significant = nonzero == number.digits.end() ? -1 : nonzero - number.digits.begin();
        if (all > kLongestDigits && !number.scaled && !number.digits.contains(QLatin1Char('('))
            && number.digits.startsWith(QLatin1Char('0')) && significant > 2) {
            const QString digits = number.digits.mid(significant);
            WrittenNumber& scientific = runs.front().number;
            scientific.digits = cut(digits.left(1) % point_ % digits.mid(1));
            scientific.scaled = true;
            scientific.exponent = -static_cast<int>(significant - 1);
            if (digitCount(digits) > kKeptDigits)
                runs << textRun(QStringLiteral(" ") % qtText(texts::kDigitsInAll).arg(digitCount(digits)));
            return runs;
        }
        if (all > kLongestDigits) {
            runs.front().number.digits = cut(number.digits);
            runs << textRun(QStringLiteral(" ") % qtText(texts::kDigitsInAll).arg(all));
        }
        return runs;
    }
    Runs exactInParentheses(const Rational& value) const
    {
        Runs runs = exact(value);
        runs.front().number.parenthesized = value.sign() < 0;
        return runs;
    }
    Runs fraction(const Rational& value) const
    {
        const QString text = QString::fromStdString(value.abs().fraction());
        const qsizetype slash = text.indexOf(QLatin1Char('/'));
        if (slash < 0)
            return exact(value);
        Run run { Run::Kind::Fraction, {}, { value.sign() < 0, text.left(slash), false, 0, false },
            text.mid(slash + 1), 0 };
        const int all = digitCount(text);
        if (all <= kLongestDigits)
            return { run };
        // A fraction cut short would look like a number: named by its size.
        if (digitCount(run.number.digits) <= kKeptDigits && digitCount(run.denominator) <= kKeptDigits)
            return { run };
        return { textRun(qtText(value.sign() < 0 ? texts::kLongNegativeFraction : texts::kLongFraction)
                             .arg(QString::number(digitCount(run.number.digits)),
                                 QString::number(digitCount(run.denominator)))) };
    }
    // An integer alone; otherwise the fraction in lowest terms and its decimal.
    Runs exactValue(const Rational& value) const
    {
        const Runs asFraction = fraction(value);
        // A terminating decimal says all a fraction too long to write would.
        if (value.isInteger() || (value.terminates() && asFraction.front().kind == Run::Kind::Text))
            return exact(value);
        if (std::optional<Runs> approximately = neverEnding(value))
            return Runs(asFraction) << operatorRun("≈") << *approximately;
        return Runs(asFraction) << operatorRun("=") << exact(value);
    }
    static int digitCount(const QString& text)
    {
        return static_cast<int>(std::count_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }));
    }
    static QString cut(const QString& digits)
    {
        if (digitCount(digits) <= kKeptDigits)
            return digits;
        QString kept = digits.left(kKeptDigits);
        const bool inPeriod = kept.contains(QLatin1Char('(')) && !kept.contains(QLatin1Char(')'));
        return kept % QStringLiteral("…") % (inPeriod ? QStringLiteral(")") : QString());
    }
    static Runs inParentheses(WrittenNumber number)
    {
        number.parenthesized = number.negative;
        return { numberRun(number) };
    }

    const WorkedSolution& solution_;
    const QString point_;
    mutable std::unordered_map<std::uint32_t, WrittenNumber> singles_; // by the single's bits
};

class Builder : Numbers {
public:
    explicit Builder(const WorkedSolution& solution)
        : Numbers(solution)
        , record_(solution.record)
        , exact_(solution.exact())
        , haveExact_(!exact_.tooLong)
    {
    }

    WorkingDocument build()
    {
        document_.title = qtText(texts::kWorkingTitle);
        if (solution_.outdated) {
            section(Section::Id::Note, {});
            verdict(textOf(outdatedNote(solution_)));
        }
        system();
        for (std::size_t i = 0; i < record_.determinants.size(); ++i)
            determinant(record_.determinants[i],
                haveExact_ && i < exact_.determinants.size() ? &exact_.determinants[i] : nullptr);
        if (const std::optional<OverflowError>& overflow = record_.outcome.overflow)
            verdict(textOf(overflowMessage(*overflow, shown(std::numeric_limits<float>::max()).plain())
                               .section(QLatin1Char('\n'), 0, 0)));
        if (record_.outcome.status == SolveStatus::Solved) {
            unknowns();
            if (haveExact_)
                check();
        }
        verdicts();
        if (record_.n == 2 && haveExact_)
            figures();
        return std::move(document_);
    }

private:
    static Runs textOf(const QString& text) { return { textRun(text) }; }

    void section(Section::Id id, Runs heading, int index = 0)
    {
        document_.sections.push_back({ id, index, std::move(heading), {} });
    }
    Block& add(Block::Kind kind, Runs runs)
    {
        return document_.sections.back().blocks.emplace_back(Block { kind, std::move(runs), {}, false, {} });
    }
    void paragraph(Runs runs) { add(Block::Kind::Paragraph, std::move(runs)); }
    void paragraph(const char* text, std::initializer_list<Argument> arguments = {})
    {
        paragraph(filled(text, arguments));
    }
    void formula(Runs runs) { add(Block::Kind::Formula, std::move(runs)); }
    void introduction(const char* text, std::initializer_list<Argument> arguments = {})
    {
        add(Block::Kind::Paragraph, filled(text, arguments)).keepWithNext = true;
    }
    Block& verdict(Runs runs) { return add(Block::Kind::Verdict, std::move(runs)); }
    void matrix(Runs name, const SquareBlock& entries, int marked, bool bars)
    {
        Block& block = add(Block::Kind::Matrix, {});
        block.matrix = { std::move(name), {}, marked, bars, {} };
        for (int row = 1; row <= entries.n; ++row) {
            auto& cells = block.matrix.rows.emplace_back();
            for (int column = 1; column <= entries.n; ++column)
                cells.push_back(single(entries.at(row, column)));
        }
    }

    QString place(int row, int column) const { return cellPlace(row, column, record_.n); }
    const Rational& typed(int row, int column) const { return exact_.typedValue(record_.n, row, column); }
    QString typedText(int row, int column) const
    {
        return QString::fromStdString(record_.text(row, column)).trimmed();
    }
    Runs quoted(int row, int column) const { return textOf(typedText(row, column)); }

    void system()
    {
        section(Section::Id::System, filled(texts::kWorkingSystemHeading, {}));
        const int n = record_.n;
        for (int row = 1; row <= n; ++row)
            formula(typedEquation(record_, row));
        if (!haveExact_) {
            const auto [row, column, belowSingles] = *exact_.tooLong;
            if (belowSingles)
                paragraph(texts::kWorkingBelowSingles,
                    { textOf(place(row, column)), quoted(row, column),
                        Runs { numberRun(single(record_.system[row][column])) },
                        Runs { numberRun(shown(std::numeric_limits<float>::denorm_min())) } });
            else
                paragraph(texts::kWorkingTooLong, { textOf(place(row, column)), quoted(row, column) });
            return;
        }
        bool allExact = true;
        for (int row = 1; row <= n; ++row) {
            for (int column = 1; column <= n + 1; ++column) {
                const float stored = record_.system[row][column];
                if (Rational::fromSingle(stored) == typed(row, column))
                    continue;
                allExact = false;
                // Every single has a finite decimal expansion: the stored
                // value itself, cut with its count only where it is long.
                paragraph(texts::kWorkingStored,
                    { quoted(row, column), textOf(place(row, column)), exact(Rational::fromSingle(stored)) });
            }
        }
        if (allExact)
            paragraph(texts::kWorkingStoredAsTyped);
    }

    void determinant(const DeterminantRecord& entry, const ValueError* exactError)
    {
        const int n = record_.n;
        const Runs name = determinantName(entry.index);
        section(Section::Id::Determinant,
            entry.index == 0 ? filled(texts::kWorkingMainHeading, {})
                             : filled(texts::kWorkingNumeratorHeading, { entry.index, entry.index }),
            entry.index);
        matrix(Runs(name) << operatorRun("="), entry.trace.start, entry.index, true);
        if (exactError && (n == 2 || n == 3))
            closedForm(entry.index, name);
        elimination(entry);
        if (entry.trace.status != DetStatus::Ok)
            return; // the value left the range: nothing was announced
        const WrittenNumber value = single(entry.trace.value);
        const WrittenNumber inWindow = shown(entry.trace.value);
        const Runs shownAs = inWindow.plain() == value.plain()
            ? Runs {}
            : filled(texts::kWorkingShownAs, { Runs { numberRun(inWindow) } });
        paragraph(texts::kWorkingAnnounced, { name, Runs { numberRun(value) }, shownAs });
        if (exactError) {
            paragraph(texts::kWorkingExact, { name, exactValue(exactError->exact) });
            errorLine(*exactError);
        }
    }

    // The textbook formula with the typed numbers, computed exactly.
    void closedForm(int index, const Runs& name)
    {
        const int n = record_.n;
        const std::optional<ClosedForm> form
            = cramer::closedForm(n, [&](int row, int column) -> const Rational& {
                  return typed(row, column == index ? n + 1 : column);
              });
        paragraph(n == 2 ? texts::kWorkingCross : texts::kWorkingSarrus);
        Runs factors;
        Runs products;
        for (const ClosedFormTerm& term : form->terms) {
            if (!factors.empty()) {
                factors << operatorRun(term.negative ? "−" : "+");
                products << operatorRun(term.negative ? "−" : "+");
            }
            for (std::size_t k = 0; k < term.factors.size(); ++k) {
                if (k > 0)
                    factors << operatorRun("·");
                factors << exactInParentheses(term.factors[k]);
            }
            products << exactInParentheses(term.product);
        }
        formula(Runs(name) << operatorRun("=") << factors << operatorRun("=") << products << operatorRun("=")
                           << exact(form->value));
    }

    // The search as it ran: each try exchanges row k with the next row down
    // (over columns k … n, the ones to the left holding zeros) and turns the
    // sign; then the matrix as the exchanges left it.
    void exchanges(const EliminationStep& step, const SquareBlock& exchanged)
    {
        const int k = step.column;
        for (std::size_t i = 0; i < step.exchangedWith.size(); ++i) {
            const int row = step.exchangedWith[i];
            if (i == 0)
                paragraph(texts::kWorkingExchange, { k, row });
            else
                paragraph(texts::kWorkingExchangeAgain, { k, row, step.exchangedWith[i - 1] });
        }
        introduction(
            step.exchangedWith.size() == 1 ? texts::kWorkingAfterExchange : texts::kWorkingAfterExchanges,
            { k });
        matrix({}, exchanged, 0, false);
    }
    static SquareBlock afterExchanges(const EliminationStep& step, SquareBlock block)
    {
        for (int row : step.exchangedWith)
            for (int column = step.column; column <= block.n; ++column)
                std::swap(block.at(step.column, column), block.at(row, column));
        return block;
    }

    // The first value of column k's work that left the range, in the order
    // the program computes them: the product, row k divided by the pivot,
    // then each row below; nothing after it is shown, no ∞ stands in a
    // matrix, and the exact value says whether the determinant itself is
    // out of range.
    void outOfRange(const DeterminantRecord& entry, const EliminationStep& step, const SquareBlock& exchanged,
        float productBefore)
    {
        const int k = step.column;
        auto number = [this](float value) { return Runs { numberRun(single(value)) }; };
        if (!std::isfinite(step.productAfterPivot)) {
            paragraph(
                texts::kWorkingRangeProduct, { k, number(step.pivot), inParentheses(single(productBefore)) });
        } else {
            paragraph(texts::kWorkingPivot, { k, number(step.pivot), number(step.productAfterPivot) });
            rangeInRows(step, exchanged);
        }
        // d_i exactly is known where the system has one solution exactly.
        if (!haveExact_ || (entry.index > 0 && exact_.cramerDeterminants.empty()))
            return;
        const Rational& value = entry.index == 0
            ? exact_.determinant
            : exact_.cramerDeterminants[static_cast<std::size_t>(entry.index)];
        const bool inRange = value.abs() <= Rational::fromSingle(std::numeric_limits<float>::max());
        paragraph(inRange ? texts::kWorkingRangeIntermediate : texts::kWorkingRangeItself,
            { determinantName(entry.index), exactValue(value) });
    }
    void rangeInRows(const EliminationStep& step, const SquareBlock& exchanged)
    {
        const int k = step.column;
        const int n = record_.n;
        auto number = [this](float value) { return Runs { numberRun(single(value)) }; };
        for (int j = k; j <= n; ++j)
            if (!std::isfinite(step.pivotRowDivided.at(k, j))) {
                paragraph(
                    texts::kWorkingRangeDivision, { k, j, number(exchanged.at(k, j)), number(step.pivot) });
                return;
            }
        for (int i = k + 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                if (!std::isfinite(step.cleared.at(i, j))) {
                    const float factor = step.factors[static_cast<std::size_t>(i - k - 1)];
                    paragraph(texts::kWorkingRangeSubtraction,
                        { k, i, j, number(step.pivotRowDivided.at(i, j)), inParentheses(single(factor)),
                            inParentheses(single(step.pivotRowDivided.at(k, j))) });
                    return;
                }
    }

    void elimination(const DeterminantRecord& entry)
    {
        const EliminationTrace& trace = entry.trace;
        paragraph(texts::kWorkingElimination);
        float product = 1.0f;
        for (std::size_t s = 0; s < trace.steps.size(); ++s) {
            const EliminationStep& step = trace.steps[s];
            const int k = step.column;
            const SquareBlock exchanged
                = afterExchanges(step, s == 0 ? trace.start : trace.steps[s - 1].cleared);
            if (!step.exchangedWith.empty())
                exchanges(step, exchanged);
            if (trace.pivotSearchFailed && &step == &trace.steps.back()) {
                paragraph(texts::kWorkingNoPivot, { k });
                return;
            }
            if (step.exchangedWith.size() % 2 == 1)
                product = -product;
            if (trace.status == DetStatus::Overflow && &step == &trace.steps.back()
                && trace.diagonalProducts.empty()) {
                outOfRange(entry, step, exchanged, product);
                return;
            }
            product = step.productAfterPivot;
            paragraph(texts::kWorkingPivot,
                { k, Runs { numberRun(single(step.pivot)) },
                    Runs { numberRun(single(step.productAfterPivot)) } });
            Runs factors;
            for (std::size_t i = 0; i < step.factors.size(); ++i) {
                if (i > 0)
                    factors << textRun(QStringLiteral("; "));
                factors << filled(texts::kWorkingFactor,
                    { k + 1 + static_cast<int>(i), Runs { numberRun(single(step.factors[i])) } });
            }
            paragraph(texts::kWorkingFactors, { k, factors });
            introduction(texts::kWorkingAfterColumn, { k });
            matrix({}, step.cleared, 0, false);
        }
        const int n = record_.n;
        if (trace.diagonalProducts.size() == static_cast<std::size_t>(n) && !trace.steps.empty()) {
            const Runs product { numberRun(single(trace.diagonalProducts[static_cast<std::size_t>(n - 2)])) };
            const Runs last = inParentheses(single(trace.steps.back().cleared.at(n, n)));
            const float value = trace.diagonalProducts.back();
            if (std::isfinite(value))
                paragraph(texts::kWorkingFinalProduct, { product, last, Runs { numberRun(single(value)) } });
            else
                paragraph(texts::kWorkingFinalProductOverflow, { product, last });
        }
    }

    // Absolute, relative, and how many singles from the nearest one; of an
    // exact 0, the absolute error alone.
    void errorLine(const ValueError& error)
    {
        const Runs absolute { numberRun(approximate(error.absolute.toDouble(), 3)) };
        if (!error.relative) {
            paragraph(texts::kWorkingErrorOfZero, { Runs { numberRun(single(error.single)) }, absolute });
            return;
        }
        const Runs rounding = error.correctlyRounded
            ? filled(texts::kWorkingCorrectlyRounded, {})
            : filled(texts::kWorkingNotCorrectlyRounded,
                { Runs { numberRun(single(error.exact.nearestSingle())) },
                    textOf(texts::counted(static_cast<int>(std::min<std::int64_t>(error.steps, INT32_MAX)),
                        texts::kOneStep, texts::kSteps)) });
        // "1,8, точно 1,8" would read as no error at all: the single then
        // with the nine digits that tell it from its exact value.
        // One notation in the sentence: a decimal that never ends by its
        // fraction, or where that is too long, by its leading digits.
        const std::optional<Runs> approximately = neverEnding(error.exact);
        Runs exactRuns = approximately ? fraction(error.exact) : exact(error.exact);
        const bool near = approximately && exactRuns.front().kind == Run::Kind::Text;
        if (near)
            exactRuns = *approximately;
        WrittenNumber value = single(error.single);
        if (!error.absolute.isZero() && exactRuns.size() == 1
            && exactRuns.front().number.plain() == value.plain())
            value = approximate(static_cast<double>(error.single), 9);
        paragraph(near ? texts::kWorkingErrorNear : texts::kWorkingError,
            { Runs { numberRun(value) }, exactRuns, absolute,
                Runs { numberRun(approximate(*error.relative, 3)) }, rounding });
    }

    void unknowns()
    {
        section(Section::Id::Unknowns, filled(texts::kWorkingUnknownsHeading, {}));
        const bool exactSolution = haveExact_ && exact_.verdict == ExactVerdict::OneSolution;
        for (std::size_t i = 0; i < record_.quotients.size(); ++i) {
            const int unknown = static_cast<int>(i) + 1;
            if (exactSolution)
                formula(Runs { nameRun('x', unknown), operatorRun("="), nameRun('d', unknown),
                            operatorRun("/"), nameRun('d', 0), operatorRun("=") }
                    << exactValue(exact_.solution[i]));
            paragraph(texts::kWorkingSolutionSingle,
                { Runs { nameRun('d', unknown), operatorRun("/"), nameRun('d', 0) },
                    Runs { numberRun(single(record_.quotients[i])) },
                    Runs { numberRun(shown(record_.shownSolutions[i])) } });
            if (exactSolution)
                errorLine(exact_.quotients[i]);
        }
    }

    void check()
    {
        section(Section::Id::Check, filled(texts::kWorkingCheckHeading, {}));
        paragraph(texts::kWorkingCheckIntro);
        for (std::size_t i = 0; i < exact_.residuals.size(); ++i) {
            const Residual& residual = exact_.residuals[i];
            const int equation = static_cast<int>(i) + 1;
            if (std::isfinite(residual.single))
                paragraph(texts::kWorkingResidual,
                    { equation, Runs { numberRun(single(residual.single)) }, exact(residual.exact) });
            else
                paragraph(texts::kWorkingResidualOutOfRange, { equation, exact(residual.exact) });
        }
    }

    void verdicts()
    {
        if (!haveExact_)
            return;
        section(Section::Id::Verdict, filled(texts::kWorkingVerdictHeading, {}));
        // Where the method gave no x_i, the exact ones.
        const bool noResults = record_.outcome.status != SolveStatus::Solved;
        if (noResults && !exact_.determinant.isZero()) {
            Block& said = verdict(exact_.disagreement == Disagreement::ZeroOnlyInSingle
                    ? filled(texts::kVerdictZeroOnlyInSingle, { exactValue(exact_.determinant) })
                    : filled(texts::kVerdictOneSolution, {}));
            said.keepWithNext = true;
            for (std::size_t i = 0; i < exact_.solution.size(); ++i)
                formula(Runs { nameRun('x', static_cast<int>(i) + 1), operatorRun("=") }
                    << exactValue(exact_.solution[i]));
            return;
        }
        if (!exact_.determinant.isZero()) {
            verdict(filled(texts::kVerdictOneSolution, {}));
            if (const std::optional<Accuracy>& accuracy = solution_.accuracy();
                accuracy && accuracy->unreliable)
                accuracyVerdict(*accuracy);
            return;
        }
        if (exact_.disagreement == Disagreement::ZeroOnlyExactly)
            verdict(filled(texts::kVerdictZeroOnlyExactly,
                { Runs { numberRun(single(record_.determinants.front().trace.value)) } }));
        paragraph(texts::kVerdictRanks, { exact_.rank, exact_.augmentedRank });
        if (exact_.verdict == ExactVerdict::NoSolution) {
            verdict(filled(texts::kVerdictNoSolution, {}));
            return;
        }
        verdict(filled(texts::kVerdictInfinitelyMany, { record_.n })).keepWithNext = true;
        generalSolution();
    }

    // Nine significant digits of an exact value, enough to tell it from a
    // wrong single; the value itself where a double cannot hold it.
    Runs nearly(const Rational& value) const
    {
        const double approximation = value.toDouble();
        const bool short_ = value.terminates() && value.decimal(".").size() <= 12;
        if (short_ || !std::isfinite(approximation) || (approximation == 0.0 && !value.isZero()))
            return exact(value);
        return { textRun(QStringLiteral("≈ ")), numberRun(approximate(approximation, 9)) };
    }
    static Runs digitsRight(int digits)
    {
        if (digits >= kAllDigits)
            return filled(texts::kAccuracyAllDigits, {});
        if (digits == 0)
            return filled(texts::kAccuracyNoDigit, {});
        return textOf(texts::counted(digits, texts::kAccuracyOneDigit, texts::kAccuracyManyDigits));
    }

    // Single precision's answer is wrong in some x_i: how wrong, what the
    // program can show caused it, and what the largest pivots would give.
    void accuracyVerdict(const Accuracy& accuracy)
    {
        verdict(filled(texts::kAccuracyWarning, {})).keepWithNext = true;
        for (std::size_t i = 0; i < accuracy.digits.size(); ++i) {
            const ValueError& error = exact_.quotients[i];
            const Runs name { nameRun('x', static_cast<int>(i) + 1) };
            // Nine digits where the shortest text of the single reads as
            // the exact value ("1·10⁻⁴⁴, точно 1·10⁻⁴⁴").
            const Runs exactRuns = nearly(error.exact);
            WrittenNumber written = this->single(error.single);
            if (!error.absolute.isZero() && exactRuns.size() == 1
                && exactRuns.front().number.plain() == written.plain())
                written = approximate(static_cast<double>(error.single), 9);
            const Runs single { numberRun(written) };
            if (error.single == 0.0f && !error.exact.isZero())
                paragraph(texts::kAccuracyZero, { name, exactRuns });
            else if (Rational::fromSingle(error.single).sign() * error.exact.sign() < 0)
                paragraph(texts::kAccuracyWrongSign, { name, single, exactRuns });
            else
                paragraph(
                    texts::kAccuracyDigits, { name, single, exactRuns, digitsRight(accuracy.digits[i]) });
        }
        const double lost = accuracy.condition.log10Abs();
        const Runs condition { numberRun(approximate(accuracy.condition.toDouble(), 3)) };
        const Runs lostDigits { numberRun(approximate(lost, 2)) };
        paragraph(lost > kSingleDigits - kTrustedDigits ? texts::kAccuracyIllConditioned
                                                        : texts::kAccuracyWellConditioned,
            { condition, lostDigits });
        accuracyCauses(accuracy);
        if (accuracy.largestPivotSolution.empty()) {
            paragraph(texts::kAccuracyLargestPivotOutOfRange);
            return;
        }
        paragraph(texts::kAccuracyLargestPivot);
        for (std::size_t i = 0; i < accuracy.largestPivotSolution.size(); ++i)
            paragraph(texts::kAccuracyLargestPivotDigits,
                { Runs { nameRun('x', static_cast<int>(i) + 1) },
                    Runs { numberRun(single(accuracy.largestPivotSolution[i])) },
                    digitsRight(accuracy.largestPivotDigits[i]) });
    }

    void accuracyCauses(const Accuracy& accuracy)
    {
        if (const std::optional<UnderflowCause>& low = accuracy.underflow) {
            const Runs value { numberRun(single(low->value)) };
            switch (low->where) {
            case UnderflowCause::Where::Typed:
                paragraph(texts::kAccuracyTypedBelowRange, { low->index, low->column, value });
                break;
            case UnderflowCause::Where::Elimination:
                paragraph(
                    texts::kAccuracyStepBelowRange, { determinantName(low->index), low->column, value });
                break;
            case UnderflowCause::Where::Quotient:
                paragraph(texts::kAccuracyQuotientBelowRange,
                    { Runs { nameRun('d', low->index), operatorRun("/"), nameRun('d', 0) }, value });
                break;
            }
        }
        if (const std::optional<PivotCause>& pivot = accuracy.smallPivot)
            paragraph(texts::kAccuracySmallPivot,
                { determinantName(pivot->determinant), pivot->column,
                    Runs { numberRun(single(pivot->pivot)) }, pivot->largestRow,
                    Runs { numberRun(single(pivot->largest)) } });
        if (const std::optional<CancellationCause>& cancellation = accuracy.cancellation)
            paragraph(texts::kAccuracyCancellation,
                { determinantName(cancellation->determinant), cancellation->column,
                    Runs { numberRun(single(cancellation->before)) },
                    Runs { numberRun(single(cancellation->after)) }, nearly(cancellation->exact) });
    }

    // The lines and where they meet; the determinants as areas.
    void figures()
    {
        section(Section::Id::Figures, filled(texts::kWorkingFiguresHeading, {}));
        FigureBlock lines { linesFigure(exact_.typed), {}, {}, {},
            QString::fromStdString(record_.locale.decimal) };
        for (int row = 1; row <= 2; ++row)
            lines.equations[static_cast<std::size_t>(row - 1)] = typedEquation(record_, row);
        if (const auto& point = std::get<LinesFigure>(lines.geometry).point)
            lines.coordinates = { fraction((*point)[0]), fraction((*point)[1]) };
        FigureBlock areas { areasFigure(exact_.typed), {}, {}, {}, lines.decimalPoint };
        for (std::size_t index = 0; index < 3; ++index)
            areas.areas[index] = exact(std::get<AreasFigure>(areas.geometry).parts[index].area);
        for (FigureBlock* figure : { &lines, &areas }) {
            Block& block = add(Block::Kind::Figure, {});
            block.keepWithNext = true;
            block.figure = std::make_shared<const FigureBlock>(std::move(*figure));
            paragraph(figureCaption(*block.figure));
        }
    }

    void generalSolution()
    {
        const GeneralSolution& general = exact_.general;
        const int parameters = static_cast<int>(general.freeUnknowns.size());
        for (std::size_t j = 0; j < general.constants.size(); ++j) {
            Runs right;
            const Rational& constant = general.constants[j];
            if (!constant.isZero())
                right << fraction(constant);
            for (int p = 0; p < parameters; ++p) {
                const Rational& coefficient = general.coefficients[j][static_cast<std::size_t>(p)];
                if (coefficient.isZero())
                    continue;
                const bool negative = coefficient.sign() < 0;
                if (!right.empty())
                    right << operatorRun(negative ? "−" : "+");
                Runs magnitude = fraction(right.empty() ? coefficient : coefficient.abs());
                const bool one = coefficient.abs() == Rational(1);
                if (one && right.empty() && negative)
                    right << textRun(QStringLiteral("−"));
                else if (!one)
                    right << magnitude << operatorRun("·");
                right << nameRun('t', p + 1);
            }
            if (right.empty())
                right << exact(constant);
            formula(Runs { nameRun('x', static_cast<int>(j) + 1), operatorRun("=") } << right);
        }
        Runs names;
        for (int p = 1; p <= parameters; ++p) {
            if (p > 1)
                names << textRun(p == parameters ? qtText(texts::kWorkingAnd) : QStringLiteral(", "));
            names << nameRun('t', p);
        }
        paragraph(parameters == 1 ? texts::kVerdictParameter : texts::kVerdictParameters, { names });
    }

    const SolveRecord& record_;
    const ExactWorking& exact_;
    const bool haveExact_;
    WorkingDocument document_;
};

// The short solution: the system, each determinant with the value the
// window announced, and the result rows, in the window's own digits.
class ShortBuilder : Numbers {
public:
    explicit ShortBuilder(const WorkedSolution& solution)
        : Numbers(solution)
    {
    }

    WorkingDocument build() const
    {
        const SolveRecord& record = solution_.record;
        WorkingDocument document;
        if (solution_.outdated)
            document.sections.push_back({ Section::Id::Note, 0, {},
                { Block { Block::Kind::Verdict, { textRun(outdatedNote(solution_)) }, {}, false, {} } } });
        Section& system = document.sections.emplace_back(
            Section { Section::Id::System, 0, filled(texts::kSolutionSystemHeading, {}), {} });
        for (int row = 1; row <= record.n; ++row)
            system.blocks.push_back({ Block::Kind::Formula, typedEquation(record, row), {}, false, {} });

        Section& determinants = document.sections.emplace_back(
            Section { Section::Id::Determinant, 0, filled(texts::kSolutionDeterminantsHeading, {}), {} });
        for (const DeterminantRecord& entry : record.determinants) {
            Block& block = determinants.blocks.emplace_back(Block { Block::Kind::Matrix, {}, {}, false, {} });
            block.matrix.name = determinantName(entry.index) << operatorRun("=");
            block.matrix.bars = true;
            for (int row = 1; row <= record.n; ++row) {
                auto& cells = block.matrix.rows.emplace_back();
                for (int column = 1; column <= record.n; ++column)
                    cells.push_back(shown(entry.trace.start.at(row, column)));
            }
            block.matrix.value = { operatorRun("="), numberRun(shown(entry.trace.value)) };
        }

        Section& results = document.sections.emplace_back(
            Section { Section::Id::Unknowns, 0, filled(texts::kSolutionResultsHeading, {}), {} });
        for (std::size_t i = 0; i < record.shownSolutions.size(); ++i) {
            const int unknown = static_cast<int>(i) + 1;
            results.blocks.push_back({ Block::Kind::Formula,
                { nameRun('x', unknown), operatorRun("="), nameRun('d', unknown), operatorRun("/"),
                    nameRun('d', 0), operatorRun("="), numberRun(shown(record.shownNumerators[i])),
                    operatorRun("∕"), numberRun(shown(record.shownDeterminant)), operatorRun("="),
                    numberRun(shown(record.shownSolutions[i])) },
                {}, false, {} });
        }
        return document;
    }
};

} // namespace

WorkingDocument workingDocument(const WorkedSolution& solution) { return Builder(solution).build(); }

WorkingDocument shortSolution(const WorkedSolution& solution) { return ShortBuilder(solution).build(); }

} // namespace cramer
