// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/practice_messages.h"
#include "report/working_forms.h"

#include "report/runs.h"
#include "report/texts.h"
#include "solver/closed_form.h"
#include "solver/hand_elimination.h"

#include <QStringBuilder>

#include <cmath>

namespace cramer {
namespace {

using texts::qtText;

QString point(const WorkedSolution& solution)
{
    return QString::fromStdString(solution.record.locale.decimal);
}

// A rational as the program writes it to a student: a true minus sign.
QString written(QString text) { return text.replace(QLatin1Char('-'), QStringLiteral("−")); }

QString fractionOf(const Rational& value) { return written(QString::fromStdString(value.fraction())); }

QString decimalOf(const WorkedSolution& solution, const Rational& value)
{
    return written(QString::fromStdString(value.decimal(point(solution).toStdString())));
}

// "2·3·(−1)": the factors of one of Sarrus's products.
QString product(const WorkedSolution& solution, const ClosedFormTerm& term)
{
    QStringList factors;
    for (const Rational& factor : term.factors) {
        const QString text = decimalOf(solution, factor);
        factors << (factor.sign() < 0 ? QLatin1Char('(') % text % QLatin1Char(')') : text);
    }
    return factors.join(QStringLiteral("·"));
}

std::optional<ClosedForm> closedFormOf(const WorkedSolution& solution, int index)
{
    const int n = solution.record.n;
    const ExactWorking& working = solution.exact();
    return closedForm(n, [&](int row, int column) -> const Rational& {
        return working.typedValue(n, row, column == index ? n + 1 : column);
    });
}

// n ≥ 4: elimination by hand, or expansion along the line with most zeros.
QString eliminationRule(const WorkedSolution& solution, PracticeStep step)
{
    const ZeroLine line = mostZeros(solution.exact(), solution.record.n, step.index);
    const QString where
        = qtText(line.row ? texts::kPracticeHintRow : texts::kPracticeHintColumn).arg(line.number);
    return qtText(texts::kPracticeHintRuleElimination)
        .arg(practiceStepName(step), where, QString::number(line.zeros));
}

// Each exact pivot with its exchange, and the product that gives the
// determinant, left for the student to multiply out.
QString eliminationSteps(const WorkedSolution& solution, PracticeStep step)
{
    const int n = solution.record.n;
    const HandElimination elimination = eliminateByHand(solution.exact(), n, step.index);
    QStringList pivots;
    QStringList factors;
    for (const HandPivot& pivot : elimination.pivots) {
        const QString value = fractionOf(pivot.value);
        pivots << (pivot.exchangedWith == 0
                ? qtText(texts::kPracticeHintPivot).arg(QString::number(pivot.column), value)
                : qtText(texts::kPracticeHintExchange)
                      .arg(QString::number(pivot.column), QString::number(pivot.exchangedWith), value));
        factors << (pivot.value.sign() < 0 || !pivot.value.isInteger()
                ? QLatin1Char('(') % value % QLatin1Char(')')
                : value);
    }
    const QString name = practiceStepName(step);
    const QString list = pivots.join(QStringLiteral("; "));
    if (static_cast<int>(elimination.pivots.size()) < n)
        return qtText(texts::kPracticeHintZeroColumn)
            .arg(list, QString::number(static_cast<int>(elimination.pivots.size()) + 1), name);
    const QString product = factors.join(QStringLiteral("·"));
    return qtText(texts::kPracticeHintPivots)
        .arg(list, name, elimination.negated ? QStringLiteral("−(") % product % QLatin1Char(')') : product);
}

} // namespace

QString practiceStepName(PracticeStep step)
{
    if (step.kind == PracticeStep::Kind::Unknown)
        return QLatin1Char('x') % subscriptDigits(step.index);
    return step.index == 0 ? QStringLiteral("d") : QLatin1Char('d') % subscriptDigits(step.index);
}

QString practiceStepHeading(PracticeStep step)
{
    if (step.kind == PracticeStep::Kind::Unknown)
        return qtText(texts::kPracticeUnknown)
            .arg(step.index)
            .replace(QStringLiteral("x%1").arg(step.index), practiceStepName(step));
    if (step.index == 0)
        return qtText(texts::kWorkingMainHeading);
    return qtText(texts::kWorkingNumeratorHeading)
        .arg(step.index)
        .replace(QStringLiteral("d%1").arg(step.index), practiceStepName(step));
}

QString practiceValue(const WorkedSolution& solution, PracticeStep step)
{
    const Rational& value = expectedValue(solution.exact(), step);
    const QString fraction = fractionOf(value);
    return value.isInteger() ? fraction : fraction % QStringLiteral(" = ") % decimalOf(solution, value);
}

QString answerProblemMessage(AnswerProblem problem, const QString& typed)
{
    switch (problem) {
    case AnswerProblem::Empty:
        return qtText(texts::kPracticeEmpty);
    case AnswerProblem::NotANumber:
        return qtText(texts::kPracticeNotANumber).arg(typed.trimmed());
    case AnswerProblem::ZeroDenominator:
        return qtText(texts::kPracticeZeroDenominator).arg(typed.trimmed());
    case AnswerProblem::TooLong:
        return qtText(texts::kPracticeTooLong).arg(typed.trimmed().left(20) + QStringLiteral("…"));
    }
    return {};
}

QString answerCheckMessage(
    const WorkedSolution& solution, PracticeStep step, const Answer& answer, const AnswerCheck& check)
{
    const Rational& value = expectedValue(solution.exact(), step);
    const QString name = practiceStepName(step);
    if (check.right) {
        // The value in the form the student did not use.
        if (value.isInteger())
            return qtText(texts::kPracticeRight);
        return qtText(texts::kPracticeRightOtherForm)
            .arg(
                name, answer.form == Answer::Form::Fraction ? decimalOf(solution, value) : fractionOf(value));
    }
    if (check.singlePrecisionValue)
        return qtText(texts::kPracticeSingle).arg(name, practiceValue(solution, step));
    switch (check.mistake) {
    case Mistake::OppositeSign:
        return qtText(texts::kPracticeOppositeSign);
    case Mistake::ProductsAdded:
        return qtText(texts::kPracticeProductsAdded);
    case Mistake::DiagonalsSwapped:
        return qtText(texts::kPracticeDiagonalsSwapped);
    case Mistake::TermLeftOut:
    case Mistake::TermSignFlipped: {
        const std::optional<ClosedForm> form = closedFormOf(solution, step.index);
        const ClosedFormTerm& term = form->terms[static_cast<std::size_t>(check.term - 1)];
        const QString sign = term.negative ? QStringLiteral("−") : QStringLiteral("+");
        const QString other = term.negative ? QStringLiteral("+") : QStringLiteral("−");
        return check.mistake == Mistake::TermLeftOut
            ? qtText(texts::kPracticeTermLeftOut).arg(product(solution, term), sign)
            : qtText(texts::kPracticeTermSignFlipped).arg(product(solution, term), other, sign);
    }
    case Mistake::WrongColumnReplaced:
        return qtText(texts::kPracticeWrongColumn)
            .arg(QString::number(check.column), QString::number(step.index));
    case Mistake::QuotientInverted:
        return qtText(texts::kPracticeQuotientInverted).arg(step.index);
    case Mistake::RoundedWrongly:
        return qtText(texts::kPracticeRoundedWrongly);
    case Mistake::NotRight:
    case Mistake::None:
        break;
    }
    if (check.relativeError && *check.relativeError < 10) {
        // As measured: two significant digits below 10 %, whole percent above.
        const double percent = *check.relativeError * 100;
        const int decimals = percent >= 10 ? 0 : 1 - static_cast<int>(std::floor(std::log10(percent)));
        QString measured = QString::number(percent, 'f', decimals);
        if (measured.contains(QLatin1Char('.'))) {
            while (measured.endsWith(QLatin1Char('0')))
                measured.chop(1);
            if (measured.endsWith(QLatin1Char('.')))
                measured.chop(1);
        }
        measured.replace(QLatin1Char('.'), QString::fromStdString(solution.record.locale.decimal));
        return qtText(percent < 1 ? texts::kPracticeAlmost : texts::kPracticeNotRightBy).arg(measured);
    }
    return qtText(texts::kPracticeNotRight);
}

QString practiceHint(
    const WorkedSolution& solution, const WorkingDocument& document, PracticeStep step, int level)
{
    const int n = solution.record.n;
    if (level >= kPracticeHints)
        return qtText(texts::kPracticeHintValue).arg(practiceStepName(step), practiceValue(solution, step));
    if (step.kind == PracticeStep::Kind::Unknown) {
        const QString rule = qtText(texts::kPracticeHintRuleUnknown).arg(step.index);
        if (level == 1)
            return rule;
        // Without d_i's and d's values: the student may not have found them yet.
        return qtText(texts::kPracticeHintDivide)
            .arg(practiceStepName(step), practiceStepName({ PracticeStep::Kind::Determinant, step.index }));
    }
    if (n <= 3) {
        if (level == 1)
            return qtText(n == 2 ? texts::kWorkingCross : texts::kWorkingSarrus);
        // The rule with this system's numbers, as the working writes it.
        for (const Section& section : document.sections)
            if (section.id == Section::Id::Determinant && section.index == step.index)
                for (const Block& block : section.blocks)
                    if (block.kind == Block::Kind::Formula)
                        return runsAsPlainText(block.runs).section(QStringLiteral(" = "), 0, -3);
    }
    return level == 1 ? eliminationRule(solution, step) : eliminationSteps(solution, step);
}

} // namespace cramer
