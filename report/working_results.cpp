// SPDX-License-Identifier: GPL-3.0-or-later

// The sections after the determinants: the unknowns, the check by
// substitution, the verdict with what single precision got wrong, and the
// pictures of a system of two unknowns.

#include "report/figure.h"
#include "report/texts.h"
#include "report/working_sections.h"
#include "report/working_texts.h"
#include "solver/accuracy.h"

#include <QStringBuilder>

#include <cmath>
#include <limits>

namespace cramer {

using texts::qtText;

void ResultSections::unknowns()
{
    out_.section(Section::Id::Unknowns, filled(texts::kWorkingUnknownsHeading, {}));
    const bool exactSolution = haveExact_ && exact_.verdict == ExactVerdict::OneSolution;
    for (std::size_t i = 0; i < record_.quotients.size(); ++i) {
        const int unknown = static_cast<int>(i) + 1;
        if (exactSolution)
            out_.formula(Runs { nameRun('x', unknown), operatorRun("="), nameRun('d', unknown),
                             operatorRun("/"), nameRun('d', 0) }
                << numbers_.equalsValue(exact_.solution[i]));
        out_.paragraph(texts::kWorkingSolutionSingle,
            { Runs { nameRun('d', unknown), operatorRun("/"), nameRun('d', 0) },
                Runs { numberRun(numbers_.single(record_.quotients[i])) },
                Runs { numberRun(numbers_.shown(record_.shownSolutions[i])) } });
        if (exactSolution)
            errorLine(exact_.quotients[i]);
    }
}

void ResultSections::check()
{
    out_.section(Section::Id::Check, filled(texts::kWorkingCheckHeading, {}));
    out_.paragraph(texts::kWorkingCheckIntro);
    for (std::size_t i = 0; i < exact_.residuals.size(); ++i) {
        const Residual& residual = exact_.residuals[i];
        const int equation = static_cast<int>(i) + 1;
        if (std::isfinite(residual.single))
            out_.paragraph(texts::kWorkingResidual,
                { equation, Runs { numberRun(numbers_.single(residual.single)) },
                    numbers_.exact(residual.exact) });
        else
            out_.paragraph(texts::kWorkingResidualOutOfRange, { equation, numbers_.exact(residual.exact) });
    }
}

void VerdictSection::write()
{
    if (!haveExact_)
        return;
    out_.section(Section::Id::Verdict, filled(texts::kWorkingVerdictHeading, {}));
    // Where the method gave no x_i, the exact ones.
    const bool noResults = record_.outcome.status != SolveStatus::Solved;
    if (noResults && !exact_.determinant.isZero()) {
        Runs verdict = exact_.disagreement == Disagreement::ZeroOnlyInSingle
            ? filled(texts::kVerdictZeroOnlyInSingle, { numbers_.exactValue(exact_.determinant) })
            : filled(texts::kVerdictOneSolution, {});
        // Below the normal range the value cannot outlast the rounding.
        if (exact_.disagreement == Disagreement::ZeroOnlyInSingle
            && exact_.determinant.abs() < Rational::fromSingle(std::numeric_limits<float>::min()))
            verdict = std::move(verdict) << filled(texts::kVerdictDeterminantUnderflow,
                          { Runs { numberRun(numbers_.single(std::numeric_limits<float>::min())) } });
        Block& said = out_.verdict(std::move(verdict));
        said.keepWithNext = true;
        for (std::size_t i = 0; i < exact_.solution.size(); ++i)
            out_.formula(
                Runs { nameRun('x', static_cast<int>(i) + 1) } << numbers_.equalsValue(exact_.solution[i]));
        return;
    }
    if (!exact_.determinant.isZero()) {
        out_.verdict(filled(texts::kVerdictOneSolution, {}));
        if (const std::optional<Accuracy>& accuracy = solution_.accuracy(); accuracy && accuracy->unreliable)
            AccuracySection(solution_, out_).write(*accuracy);
        return;
    }
    if (exact_.disagreement == Disagreement::ZeroOnlyExactly)
        out_.verdict(filled(texts::kVerdictZeroOnlyExactly,
            { Runs { numberRun(numbers_.single(record_.determinants.front().trace.value)) } }));
    out_.paragraph(texts::kVerdictRanks, { exact_.rank, exact_.augmentedRank });
    if (exact_.verdict == ExactVerdict::NoSolution) {
        out_.verdict(filled(texts::kVerdictNoSolution, {}));
        return;
    }
    out_.verdict(filled(texts::kVerdictInfinitelyMany, { record_.typed.n })).keepWithNext = true;
    generalSolution();
}

void VerdictSection::generalSolution()
{
    const GeneralSolution& general = exact_.general;
    const int parameters = static_cast<int>(general.freeUnknowns.size());
    for (std::size_t j = 0; j < general.constants.size(); ++j) {
        Runs right;
        bool approximated = false; // a term too long to read, written to nine digits
        const Rational& constant = general.constants[j];
        if (!constant.isZero())
            right << numbers_.readable(constant, approximated);
        for (int p = 0; p < parameters; ++p) {
            const Rational& coefficient = general.coefficients[j][static_cast<std::size_t>(p)];
            if (coefficient.isZero())
                continue;
            const bool negative = coefficient.sign() < 0;
            if (!right.empty())
                right << operatorRun(negative ? "−" : "+");
            Runs magnitude = numbers_.readable(right.empty() ? coefficient : coefficient.abs(), approximated);
            const bool one = coefficient.abs() == Rational(1);
            if (one && right.empty() && negative)
                right << textRun(QStringLiteral("−"));
            else if (!one)
                right << magnitude << operatorRun("·");
            right << nameRun('t', p + 1);
        }
        if (right.empty())
            right << numbers_.exact(constant);
        out_.formula(
            Runs { nameRun('x', static_cast<int>(j) + 1), operatorRun(approximated ? "≈" : "=") } << right);
    }
    Runs names;
    for (int p = 1; p <= parameters; ++p) {
        if (p > 1)
            names << textRun(p == parameters ? qtText(texts::kWorkingAnd) : QStringLiteral(", "));
        names << nameRun('t', p);
    }
    out_.paragraph(parameters == 1 ? texts::kVerdictParameter : texts::kVerdictParameters, { names });
}

namespace {

// The leading `digits` significant digits of each number set apart.
void markDigits(Runs& runs, int digits)
{
    for (Run& run : runs)
        if (run.kind == Run::Kind::Number)
            run.number.marked = digits;
}

// Whether the marked digits read alike in both, so that a student sees
// them agree without rounding.
bool sameMarkedDigits(const Runs& one, const Runs& other)
{
    // The marked digits alone, without separators or trailing zeros: 1 and
    // 1,0000 read alike.
    const auto head = [](const Runs& runs) {
        QString digits;
        for (const Run& run : runs)
            if (run.kind == Run::Kind::Number) {
                const auto [start, end] = run.number.markedDigits();
                for (const QChar c : QStringView(run.number.digits).sliced(start, end - start))
                    if (c.isDigit())
                        digits += c;
                break;
            }
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        return digits;
    };
    return head(one) == head(other);
}

// How many digits are right; "the exact value" only where it is so.
Runs digitsRight(int digits, bool exact)
{
    if (exact)
        return filled(texts::kAccuracyAllDigits, {});
    if (digits >= kAllDigits)
        return filled(texts::kAccuracyEveryDigit, {});
    if (digits == 0)
        return filled(texts::kAccuracyNoDigit, {});
    return Runs { textRun(qtText(texts::kAccuracyRightDigits, digits)) };
}

// "остават 2 верни значещи цифри", for a clause.
Runs digitsKept(int digits)
{
    if (digits == 0)
        return filled(texts::kCauseKeptNone, {});
    return Runs { textRun(qtText(texts::kCauseKept, digits)) };
}

} // namespace

// Single precision's answer is wrong in some x_i: how wrong, what the
// program can show caused it, and what the largest pivots would give.
void AccuracySection::write(const Accuracy& accuracy)
{
    out_.verdict(filled(texts::kAccuracyWarning, {})).keepWithNext = true;
    for (std::size_t i = 0; i < accuracy.digits.size(); ++i) {
        const ValueError& error = exact_.quotients[i];
        const Runs name { nameRun('x', static_cast<int>(i) + 1) };
        // Nine digits where the shortest text of the single reads as
        // the exact value ("1·10⁻⁴⁴, точно 1·10⁻⁴⁴").
        const Runs exactRuns = numbers_.nearly(error.exact);
        WrittenNumber written = numbers_.single(error.single);
        if (!error.absolute.isZero() && exactRuns.size() == 1
            && exactRuns.front().number.plain() == written.plain())
            written = numbers_.approximate(static_cast<double>(error.single), 9);
        const int digits = accuracy.digits[i];
        Runs single { numberRun(written) };
        if (error.single == 0.0f && !error.exact.isZero()) {
            out_.paragraph(texts::kAccuracyZero, { name, exactRuns });
        } else if (Rational::fromSingle(error.single).sign() * error.exact.sign() < 0) {
            out_.paragraph(texts::kAccuracyWrongSign, { name, single, exactRuns });
        } else if (error.exact.isZero() && !error.absolute.isZero()) {
            out_.paragraph(texts::kAccuracyAgainstZero,
                { name, single, Runs { numberRun(numbers_.approximate(error.absolute.toDouble(), 2)) } });
        } else if (error.absolute.isZero() || !error.relative) {
            out_.paragraph(texts::kAccuracyDigits,
                { name, single, exactRuns, digitsRight(digits, error.absolute.isZero()) });
        } else {
            // The digits that agree marked in both; where rounding carried
            // (10673,909 and 9908,93115 are both 1·10⁴ to one digit), the
            // rounded value that shows it. The error as such beside them.
            Runs exactMarked = exactRuns;
            markDigits(single, digits);
            markDigits(exactMarked, digits);
            Runs right = digitsRight(digits, false);
            if (digits > 0 && !sameMarkedDigits(single, exactMarked))
                right = filled(texts::kAccuracyRoundedAlike,
                    { right, Runs { numberRun(numbers_.approximate(error.exact.toDouble(), digits)) } });
            out_.paragraph(texts::kAccuracyDigitsAndError,
                { name, single, exactMarked, right,
                    Runs { numberRun(numbers_.approximate(*error.relative * 100.0, 2)) } });
        }
    }
    sources(accuracy);
    causes(accuracy);
    if (accuracy.largestPivotSolution.empty()) {
        out_.paragraph(texts::kAccuracyLargestPivotOutOfRange);
        return;
    }
    out_.paragraph(texts::kAccuracyLargestPivot);
    for (std::size_t i = 0; i < accuracy.largestPivotSolution.size(); ++i)
        out_.paragraph(texts::kAccuracyLargestPivotDigits,
            { Runs { nameRun('x', static_cast<int>(i) + 1) },
                Runs { numberRun(numbers_.single(accuracy.largestPivotSolution[i])) },
                digitsRight(accuracy.largestPivotDigits[i],
                    Rational::fromSingle(accuracy.largestPivotSolution[i]) == exact_.quotients[i].exact) });
}

// Each x_i that lost digits: what the typed numbers' rounding alone, the
// conditioning and the arithmetic account for, each measured exactly, and
// only what was measured.
void AccuracySection::sources(const Accuracy& accuracy)
{
    const auto approximate
        = [this](double value) { return Runs { numberRun(numbers_.approximate(value, 2)) }; };
    double largestCondition = 0.0;
    for (const double condition : accuracy.componentCondition)
        largestCondition = std::max(largestCondition, condition);
    const double lostToScale = accuracy.condition.log10Abs();
    if (lostToScale > kSingleDigits - kTrustedDigits && std::log10(largestCondition) <= 2.0)
        out_.paragraph(texts::kCauseOnlyScaling,
            { approximate(accuracy.condition.toDouble()), approximate(largestCondition) });
    else
        out_.paragraph(texts::kCauseConditionNumber, { approximate(accuracy.condition.toDouble()) });

    for (std::size_t i = 0; i < accuracy.digits.size(); ++i) {
        const int digits = accuracy.digits[i];
        if (!accuracy.untrusted[i])
            continue;
        Runs clauses;
        const auto add = [&clauses](Runs clause) {
            if (!clauses.empty())
                clauses.push_back(textRun(QStringLiteral("; ")));
            clauses.insert(clauses.end(), clause.begin(), clause.end());
        };
        const bool stored = i < accuracy.inputDigits.size();
        if (stored && (accuracy.inputDigits[i] < kTrustedDigits || accuracy.inputDigits[i] <= digits))
            add(filled(texts::kCauseInput,
                { numbers_.nearly(exact_.solution[i]), numbers_.nearly(accuracy.storedSolution[i]),
                    digitsKept(accuracy.inputDigits[i]) }));
        if (i < accuracy.componentCondition.size() && accuracy.componentCondition[i] > 0.0) {
            const double lost = std::log10(accuracy.componentCondition[i]);
            const Runs condition = approximate(accuracy.componentCondition[i]);
            if (lost < 0.5) {
                add(filled(texts::kCauseNotCondition, { condition }));
            } else {
                // lost ≥ 0.5: about one digit at least.
                Runs clause
                    = filled(texts::kCauseCondition, static_cast<int>(std::lround(lost)), { condition });
                if (lost + 1.0 < kSingleDigits - digits)
                    clause = std::move(clause) << filled(texts::kCausePart, {});
                add(std::move(clause));
            }
        }
        if (stored && accuracy.arithmeticDigits[i] < accuracy.inputDigits[i])
            add(filled(texts::kCauseArithmetic, { digitsKept(accuracy.arithmeticDigits[i]) }));
        out_.paragraph(filled(texts::kCauseHeading, { Runs { nameRun('x', static_cast<int>(i) + 1) } })
            << std::move(clauses) << textRun(QStringLiteral(".")));
    }
    if (accuracy.smallPivot)
        out_.paragraph(texts::kCausePivotOrder);
}

void AccuracySection::causes(const Accuracy& accuracy)
{
    if (const std::optional<UnderflowCause>& low = accuracy.underflow) {
        const Runs value { numberRun(numbers_.single(low->value)) };
        switch (low->where) {
        case UnderflowCause::Where::Typed:
            out_.paragraph(texts::kAccuracyTypedBelowRange, { low->index, low->column, value });
            break;
        case UnderflowCause::Where::Elimination:
            out_.paragraph(
                texts::kAccuracyStepBelowRange, { determinantName(low->index), low->column, value });
            break;
        case UnderflowCause::Where::Quotient:
            out_.paragraph(texts::kAccuracyQuotientBelowRange,
                { Runs { nameRun('d', low->index), operatorRun("/"), nameRun('d', 0) }, value });
            break;
        }
    }
    if (const std::optional<PivotCause>& pivot = accuracy.smallPivot)
        out_.paragraph(texts::kAccuracySmallPivot,
            { determinantName(pivot->determinant), pivot->column,
                Runs { numberRun(numbers_.single(pivot->pivot)) }, pivot->largestRow,
                Runs { numberRun(numbers_.single(pivot->largest)) } });
    if (const std::optional<CancellationCause>& cancellation = accuracy.cancellation)
        out_.paragraph(texts::kAccuracyCancellation,
            { determinantName(cancellation->determinant), cancellation->column,
                Runs { numberRun(numbers_.single(cancellation->before)) },
                Runs { numberRun(numbers_.single(cancellation->after)) },
                numbers_.nearly(cancellation->exact) });
}

// The lines and where they meet; the determinants as areas.
void ResultSections::figures()
{
    out_.section(Section::Id::Figures, filled(texts::kWorkingFiguresHeading, {}));
    FigureBlock lines { linesFigure(exact_.typed), {}, {}, {},
        QString::fromStdString(record_.locale.decimal) };
    for (int row = 1; row <= 2; ++row)
        lines.equations[static_cast<std::size_t>(row - 1)] = typedEquation(record_, row);
    if (const auto& point = std::get<LinesFigure>(lines.geometry).point)
        lines.coordinates = { numbers_.fraction((*point)[0]), numbers_.fraction((*point)[1]) };
    FigureBlock areas { areasFigure(exact_.typed), {}, {}, {}, lines.decimalPoint };
    for (std::size_t index = 0; index < 3; ++index)
        areas.areas[index] = numbers_.exact(std::get<AreasFigure>(areas.geometry).parts[index].area);
    for (FigureBlock* figure : { &lines, &areas }) {
        Block& block = out_.add(Block::Kind::Figure, {});
        block.keepWithNext = true;
        block.figure = std::make_shared<const FigureBlock>(std::move(*figure));
        out_.paragraph(figureCaption(*block.figure));
    }
}

} // namespace cramer
