// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/working_document.h"

#include "report/figure.h"
#include "report/runs.h"
#include "report/texts.h"
#include "report/working_sections.h"
#include "report/working_texts.h"

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

WrittenNumber WrittenNumber::asTyped(const QString& text)
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

std::pair<qsizetype, qsizetype> WrittenNumber::markedDigits() const
{
    qsizetype start = -1;
    int counted = 0;
    for (qsizetype i = 0; i < digits.size() && counted < marked; ++i) {
        const QChar c = digits[i];
        if (!c.isDigit() || (start < 0 && c == QLatin1Char('0')))
            continue;
        if (start < 0)
            start = i;
        if (++counted == marked)
            return { start, i + 1 };
    }
    return start < 0 ? std::pair<qsizetype, qsizetype> {} : std::pair { start, digits.size() };
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

using texts::qtText;

Runs determinantName(int index) { return { nameRun('d', index) }; }

// One equation as typed: "2·x₁ − 3·x₂ = −8", the sign between terms apart
// from the coefficient, the decimal mark the locale's.
Runs typedEquation(const SolveRecord& record, int row)
{
    // A point typed where the locale writes a comma (and groups with
    // something else) is its decimal mark: written as the locale writes it.
    const NumberLocale& locale = record.locale;
    const bool pointIsDecimal = locale.decimal != "." && locale.group != ".";
    auto typed = [&](int column) {
        WrittenNumber number = WrittenNumber::asTyped(QString::fromStdString(record.text(row, column)));
        if (pointIsDecimal)
            number.digits.replace(QLatin1Char('.'), QString::fromStdString(locale.decimal));
        return number;
    };
    Runs equation;
    for (int column = 1; column <= record.typed.n; ++column) {
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
    return equation << operatorRun("=") << numberRun(typed(record.typed.n + 1));
}

SectionWriter::SectionWriter(const WorkedSolution& solution, DocumentWriter& out)
    : solution_(solution)
    , record_(solution.record)
    , exact_(solution.exact())
    , haveExact_(!exact_.tooLong)
    , numbers_(out.numbers())
    , out_(out)
{
}

// The unknown as a name, so that every form sets it as the other names.
Runs SystemSection::place(int row, int column) const
{
    return column <= record_.typed.n ? filled(texts::kCoefficientPlace, { row, indexedName('x', column) })
                                     : filled(texts::kFreeTermPlace, { row });
}
Runs SystemSection::quoted(int row, int column) const
{
    return textOf(QString::fromStdString(record_.text(row, column)).trimmed());
}

void SystemSection::write()
{
    out_.section(Section::Id::System, filled(texts::kWorkingSystemHeading, {}));
    const int n = record_.typed.n;
    for (int row = 1; row <= n; ++row)
        out_.formula(typedEquation(record_, row));
    if (!haveExact_) {
        const auto [row, column, belowSingles] = *exact_.tooLong;
        if (belowSingles)
            out_.paragraph(texts::kWorkingBelowSingles,
                { place(row, column), quoted(row, column),
                    Runs { numberRun(numbers_.single(record_.system[row][column])) },
                    Runs { numberRun(numbers_.shown(std::numeric_limits<float>::denorm_min())) } });
        else
            out_.paragraph(texts::kWorkingTooLong, { place(row, column), quoted(row, column) });
        return;
    }
    bool allExact = true;
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n + 1; ++column) {
            const float stored = record_.system[row][column];
            if (Rational::fromSingle(stored) == exact_.typedValue(n, row, column))
                continue;
            allExact = false;
            // Every single has a finite decimal expansion: the stored
            // value itself, cut with its count only where it is long.
            out_.paragraph(
                texts::kWorkingStored, { quoted(row, column), place(row, column), numbers_.stored(stored) });
        }
    }
    if (allExact)
        out_.paragraph(texts::kWorkingStoredAsTyped);
}

namespace {

// Notes above everything: the sheet read, where a workbook showed another,
// and that the grid has changed since the solve.
void notes(const WorkedSolution& solution, DocumentWriter& out)
{
    if (!solution.outdated && solution.source.isEmpty())
        return;
    out.section(Section::Id::Note, {});
    if (!solution.source.isEmpty())
        out.verdict({ textRun(solution.source) });
    if (solution.outdated)
        out.verdict({ textRun(outdatedNote(solution)) });
}

} // namespace

// Which value left the range, and the range; a determinant whose exact
// value is within the range had only an intermediate value leave it.
Runs overflowVerdict(const WorkedSolution& solution, const NumberWriter& numbers)
{
    const OverflowError& error = *solution.record.outcome.overflow;
    const Runs largest { numberRun(numbers.shown(std::numeric_limits<float>::max())) };
    if (error.value != OverflowValue::Solution) {
        const ExactWorking& exact = solution.exact();
        const bool known = !exact.tooLong
            && (error.index == 0 || static_cast<std::size_t>(error.index) < exact.cramerDeterminants.size());
        if (known) {
            const Rational& value = error.index == 0
                ? exact.determinant
                : exact.cramerDeterminants[static_cast<std::size_t>(error.index)];
            if (value.abs() <= Rational::fromSingle(std::numeric_limits<float>::max()))
                return filled(texts::kOverflowIntermediate, { determinantName(error.index), largest });
        }
    }
    Runs value;
    switch (error.value) {
    case OverflowValue::MainDeterminant:
        value = filled(texts::kOverflowMainDeterminant, {});
        break;
    case OverflowValue::NumeratorDeterminant:
        value = filled(texts::kOverflowNumerator, { indexedName('d', error.index) });
        break;
    case OverflowValue::Solution:
        value = filled(
            texts::kOverflowSolution, { indexedName('x', error.index), indexedName('d', error.index) });
        break;
    }
    return filled(texts::kOverflowWhat, { value, largest });
}

QString overflowVerdictText(const WorkedSolution& solution)
{
    return labelText(overflowVerdict(solution, NumberWriter(solution.record.locale)));
}

WorkingDocument workingDocument(const WorkedSolution& solution)
{
    const SolveRecord& record = solution.record;
    DocumentWriter out(record.locale);
    out.document().title = qtText(texts::kWorkingTitle);
    notes(solution, out);
    SystemSection(solution, out).write();
    const ExactWorking& exact = solution.exact();
    const bool haveExact = !exact.tooLong;
    for (std::size_t i = 0; i < record.determinants.size(); ++i)
        DeterminantSection(solution, out)
            .write(record.determinants[i],
                haveExact && i < exact.determinants.size() ? &exact.determinants[i] : nullptr);
    if (record.outcome.overflow)
        out.verdict(overflowVerdict(solution, out.numbers()));
    ResultSections results(solution, out);
    if (record.outcome.status == SolveStatus::Solved) {
        results.unknowns();
        if (haveExact)
            results.check();
    }
    VerdictSection(solution, out).write();
    if (record.typed.n == 2 && haveExact)
        results.figures();
    return std::move(out.document());
}

// The short solution: the system, each determinant with the value the
// window announced, and x_i = d_i / d in the worked solution's digits (a
// copy is no form: the result rows' two decimals of d would read "0 / 0"
// for a small d), with the result row where it rounds x_i.
WorkingDocument shortSolution(const WorkedSolution& solution)
{
    const SolveRecord& record = solution.record;
    DocumentWriter out(record.locale);
    notes(solution, out);
    out.section(Section::Id::System, filled(texts::kSolutionSystemHeading, {}));
    for (int row = 1; row <= record.typed.n; ++row)
        out.formula(typedEquation(record, row));
    out.section(Section::Id::Determinant, filled(texts::kSolutionDeterminantsHeading, {}));
    for (const DeterminantRecord& entry : record.determinants)
        out.matrix(determinantName(entry.index) << operatorRun("="), entry.trace.start, 0, true,
            { operatorRun("="), numberRun(out.numbers().shown(entry.trace.value)) },
            DocumentWriter::Digits::Window);
    out.section(Section::Id::Unknowns, filled(texts::kSolutionResultsHeading, {}));
    const NumberWriter& numbers = out.numbers();
    for (std::size_t i = 0; i < record.shownSolutions.size() && i + 1 < record.determinants.size(); ++i) {
        const int unknown = static_cast<int>(i) + 1;
        const float numerator = record.determinants[i + 1].trace.value;
        const float determinant = record.determinants.front().trace.value;
        Runs line { nameRun('x', unknown), operatorRun("="), nameRun('d', unknown), operatorRun("/"),
            nameRun('d', 0), operatorRun("="), numberRun(numbers.single(numerator)), looseOperatorRun("/"),
            numberRun(numbers.single(determinant)), operatorRun("="),
            numberRun(numbers.single(record.quotients[i])) };
        if (record.shownSolutions[i] != record.quotients[i])
            line = std::move(line)
                << filled(texts::kSolutionResultRow,
                    { Runs { numberRun(numbers.shown(record.shownSolutions[i])) } });
        out.formula(std::move(line));
    }
    return std::move(out.document());
}

} // namespace cramer
