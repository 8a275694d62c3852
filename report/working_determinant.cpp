// SPDX-License-Identifier: GPL-3.0-or-later

// The sections of the determinants: each matrix, the textbook formula for
// 2 × 2 and 3 × 3, the elimination as the program ran it, the value it
// announced and its exact value.

#include "report/texts.h"
#include "report/working_sections.h"
#include "report/working_texts.h"
#include "solver/closed_form.h"

#include <QStringBuilder>

#include <cmath>
#include <limits>

namespace cramer {

using texts::qtText;

void DeterminantSection::write(const DeterminantRecord& entry, const ValueError* exactError)
{
    const int n = record_.typed.n;
    const Runs name = determinantName(entry.index);
    out_.section(Section::Id::Determinant,
        entry.index == 0
            ? filled(texts::kWorkingMainHeading, {})
            : filled(texts::kWorkingNumeratorHeading, { indexedName('d', entry.index), entry.index }),
        entry.index);
    out_.matrix(Runs(name) << operatorRun("="), entry.trace.start, entry.index, true);
    if (exactError && (n == 2 || n == 3))
        closedForm(entry.index, name);
    EliminationSection(solution_, out_).write(entry);
    if (entry.trace.status != DetStatus::Ok)
        return; // the value left the range: nothing was announced
    const WrittenNumber value = numbers_.single(entry.trace.value);
    const WrittenNumber inWindow = numbers_.shown(entry.trace.value);
    const Runs shownAs = inWindow.plain() == value.plain()
        ? Runs {}
        : filled(texts::kWorkingShownAs, { Runs { numberRun(inWindow) } });
    out_.paragraph(texts::kWorkingAnnounced, { name, Runs { numberRun(value) }, shownAs });
    if (exactError) {
        out_.paragraph(texts::kWorkingExact, { name, numbers_.exactValue(exactError->exact) });
        errorLine(*exactError);
    }
}

// The textbook formula with the typed numbers, computed exactly.
void DeterminantSection::closedForm(int index, const Runs& name)
{
    const int n = record_.typed.n;
    const std::optional<ClosedForm> form = cramer::closedForm(
        n, [&](int row, int column) -> const Rational& { return exact_.entryOf(n, index, row, column); });
    out_.paragraph(n == 2 ? texts::kWorkingCross : texts::kWorkingSarrus);
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
            factors << numbers_.exactInParentheses(term.factors[k]);
        }
        products << numbers_.exactInParentheses(term.product);
    }
    out_.formula(Runs(name) << operatorRun("=") << factors << operatorRun("=") << products << operatorRun("=")
                            << numbers_.exact(form->value));
}

// The search as it ran: each try exchanges row k with the next row down
// (over columns k … n, the ones to the left holding zeros) and turns the
// sign; then the matrix as the exchanges left it.
void EliminationSection::exchanges(const EliminationStep& step, const SquareBlock& exchanged)
{
    const int k = step.column;
    for (std::size_t i = 0; i < step.exchangedWith.size(); ++i) {
        const int row = step.exchangedWith[i];
        if (i == 0)
            out_.paragraph(texts::kWorkingExchange, { k, row });
        else
            out_.paragraph(texts::kWorkingExchangeAgain, { k, row, step.exchangedWith[i - 1] });
    }
    out_.introduction(
        step.exchangedWith.size() == 1 ? texts::kWorkingAfterExchange : texts::kWorkingAfterExchanges, { k });
    out_.matrix({}, exchanged, 0, false);
}
namespace {

SquareBlock afterExchanges(const EliminationStep& step, SquareBlock block)
{
    for (int row : step.exchangedWith)
        for (int column = step.column; column <= block.n; ++column)
            std::swap(block.at(step.column, column), block.at(row, column));
    return block;
}

} // namespace

// The first value of column k's work that left the range, in the order
// the program computes them: the product, row k divided by the pivot,
// then each row below; nothing after it is shown, no ∞ stands in a
// matrix, and the exact value says whether the determinant itself is
// out of range.
void EliminationSection::outOfRange(const DeterminantRecord& entry, const EliminationStep& step,
    const SquareBlock& exchanged, float productBefore)
{
    const int k = step.column;
    auto number = [this](float value) { return Runs { numberRun(numbers_.single(value)) }; };
    if (!std::isfinite(step.productAfterPivot)) {
        out_.paragraph(texts::kWorkingRangeProduct,
            { k, number(step.pivot), numbers_.inParentheses(numbers_.single(productBefore)) });
    } else {
        out_.paragraph(texts::kWorkingPivot, { k, number(step.pivot), number(step.productAfterPivot) });
        rangeInRows(step, exchanged);
    }
    // d_i exactly is known where the system has one solution exactly.
    if (!haveExact_ || (entry.index > 0 && exact_.cramerDeterminants.empty()))
        return;
    const Rational& value = entry.index == 0
        ? exact_.determinant
        : exact_.cramerDeterminants[static_cast<std::size_t>(entry.index)];
    const bool inRange = value.abs() <= Rational::fromSingle(std::numeric_limits<float>::max());
    out_.paragraph(inRange ? texts::kWorkingRangeIntermediate : texts::kWorkingRangeItself,
        { determinantName(entry.index), numbers_.exactValue(value) });
}
void EliminationSection::rangeInRows(const EliminationStep& step, const SquareBlock& exchanged)
{
    const int k = step.column;
    const int n = record_.typed.n;
    auto number = [this](float value) { return Runs { numberRun(numbers_.single(value)) }; };
    for (int j = k; j <= n; ++j)
        if (!std::isfinite(step.pivotRowDivided.at(k, j))) {
            out_.paragraph(
                texts::kWorkingRangeDivision, { k, j, number(exchanged.at(k, j)), number(step.pivot) });
            return;
        }
    for (int i = k + 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (!std::isfinite(step.cleared.at(i, j))) {
                const float factor = step.factors[static_cast<std::size_t>(i - k - 1)];
                out_.paragraph(texts::kWorkingRangeSubtraction,
                    { k, i, j, number(step.pivotRowDivided.at(i, j)),
                        numbers_.inParentheses(numbers_.single(factor)),
                        numbers_.inParentheses(numbers_.single(step.pivotRowDivided.at(k, j))) });
                return;
            }
}

void EliminationSection::write(const DeterminantRecord& entry)
{
    const EliminationTrace& trace = entry.trace;
    out_.paragraph(texts::kWorkingElimination);
    float product = 1.0f;
    for (std::size_t s = 0; s < trace.steps.size(); ++s) {
        const EliminationStep& step = trace.steps[s];
        const int k = step.column;
        const SquareBlock exchanged = afterExchanges(step, s == 0 ? trace.start : trace.steps[s - 1].cleared);
        if (!step.exchangedWith.empty())
            exchanges(step, exchanged);
        if (trace.pivotSearchFailed && &step == &trace.steps.back()) {
            out_.paragraph(texts::kWorkingNoPivot, { k });
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
        out_.paragraph(texts::kWorkingPivot,
            { k, Runs { numberRun(numbers_.single(step.pivot)) },
                Runs { numberRun(numbers_.single(step.productAfterPivot)) } });
        Runs factors;
        for (std::size_t i = 0; i < step.factors.size(); ++i) {
            if (i > 0)
                factors << textRun(QStringLiteral("; "));
            factors << filled(texts::kWorkingFactor,
                { k + 1 + static_cast<int>(i), Runs { numberRun(numbers_.single(step.factors[i])) } });
        }
        out_.paragraph(texts::kWorkingFactors, { k, factors });
        out_.introduction(texts::kWorkingAfterColumn, { k });
        out_.matrix({}, step.cleared, 0, false);
    }
    const int n = record_.typed.n;
    if (trace.diagonalProducts.size() == static_cast<std::size_t>(n) && !trace.steps.empty()) {
        const Runs product { numberRun(
            numbers_.single(trace.diagonalProducts[static_cast<std::size_t>(n - 2)])) };
        const Runs last = numbers_.inParentheses(numbers_.single(trace.steps.back().cleared.at(n, n)));
        const float value = trace.diagonalProducts.back();
        if (std::isfinite(value))
            out_.paragraph(
                texts::kWorkingFinalProduct, { product, last, Runs { numberRun(numbers_.single(value)) } });
        else
            out_.paragraph(texts::kWorkingFinalProductOverflow, { product, last });
    }
}

// Absolute, relative, and how many singles from the nearest one; of an
// exact 0, the absolute error alone.
void SectionWriter::errorLine(const ValueError& error)
{
    const Runs absolute { numberRun(numbers_.approximate(error.absolute.toDouble(), 3)) };
    if (!error.relative) {
        out_.paragraph(
            texts::kWorkingErrorOfZero, { Runs { numberRun(numbers_.single(error.single)) }, absolute });
        return;
    }
    const Runs rounding = error.correctlyRounded
        ? filled(texts::kWorkingCorrectlyRounded, {})
        : filled(texts::kWorkingNotCorrectlyRounded,
            { Runs { numberRun(numbers_.single(error.exact.nearestSingle())) },
                textOf(qtText(
                    texts::kSteps, static_cast<int>(std::min<std::int64_t>(error.steps, INT32_MAX)))) });
    // "1,8, точно 1,8" would read as no error at all: the single then
    // with the nine digits that tell it from its exact value.
    // One notation in the sentence, the single's: a decimal that never
    // ends by its leading digits and the words that it never ends.
    const std::optional<Runs> approximately = numbers_.neverEnding(error.exact);
    const Runs exactRuns = approximately ? *approximately : numbers_.exact(error.exact);
    WrittenNumber value = numbers_.single(error.single);
    if (!error.absolute.isZero() && exactRuns.size() == 1
        && exactRuns.front().number.plain() == value.plain())
        value = numbers_.approximate(static_cast<double>(error.single), 9);
    out_.paragraph(approximately ? texts::kWorkingErrorNear : texts::kWorkingError,
        { Runs { numberRun(value) }, exactRuns, absolute,
            Runs { numberRun(numbers_.approximate(*error.relative, 3)) }, rounding });
}

} // namespace cramer
