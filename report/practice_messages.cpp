// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/practice_messages.h"

#include "report/number_writer.h"
#include "report/practice_texts.h"
#include "report/quoted_text.h"
#include "report/runs.h"
#include "report/texts.h"
#include "report/working_sections.h"
#include "report/working_texts.h"
#include "solver/closed_form.h"
#include "solver/hand_elimination.h"

#include <QStringBuilder>

#include <cmath>

namespace cramer {
namespace {

using texts::qtText;

Runs textOf(const QString& text) { return { textRun(text) }; }

// "2·3·(−1)": the factors of one of Sarrus's products.
Runs product(const NumberWriter& numbers, const ClosedFormTerm& term)
{
    Runs factors;
    for (const Rational& factor : term.factors) {
        if (!factors.empty())
            factors << operatorRun("·");
        factors << numbers.exactInParentheses(factor);
    }
    return factors;
}

std::optional<ClosedForm> closedFormOf(const WorkedSolution& solution, int index)
{
    const int n = solution.record.typed.n;
    const ExactWorking& working = solution.exact();
    return closedForm(
        n, [&](int row, int column) -> const Rational& { return working.entryOf(n, index, row, column); });
}

// n ≥ 4: elimination by hand, or expansion along the line with most zeros.
Runs eliminationRule(const WorkedSolution& solution, PracticeStep step)
{
    const ZeroLine line = mostZeros(solution.exact(), solution.record.typed.n, step.index);
    const Runs zeros { textRun(qtText(texts::kPracticeHintZeros, line.zeros)) };
    return filled(texts::kPracticeHintRuleElimination,
        { practiceStepName(step),
            filled(
                line.row ? texts::kPracticeHintRow : texts::kPracticeHintColumn, { line.number, zeros }) });
}

// Each exact pivot with its exchange, and the product that gives the
// determinant, left for the student to multiply out.
Runs eliminationSteps(const WorkedSolution& solution, PracticeStep step)
{
    const int n = solution.record.typed.n;
    const NumberWriter numbers(solution.record.locale);
    const HandElimination elimination = eliminateByHand(solution.exact(), n, step.index);
    Runs pivots;
    Runs factors;
    for (const HandPivot& pivot : elimination.pivots) {
        const Runs value = numbers.fraction(pivot.value);
        if (!pivots.empty()) {
            pivots << textRun(QStringLiteral("; "));
            factors << operatorRun("·");
        }
        pivots << (pivot.exchangedWith == 0
                ? filled(texts::kPracticeHintPivot, { pivot.column, value })
                : filled(texts::kPracticeHintExchange, { pivot.column, pivot.exchangedWith, value }));
        if (pivot.value.sign() < 0 || !pivot.value.isInteger())
            factors << textRun(QStringLiteral("(")) << value << textRun(QStringLiteral(")"));
        else
            factors << value;
    }
    const Runs name = practiceStepName(step);
    if (static_cast<int>(elimination.pivots.size()) < n)
        return filled(texts::kPracticeHintZeroColumn,
            { pivots, static_cast<int>(elimination.pivots.size()) + 1, name });
    if (elimination.negated)
        factors = Runs { textRun(QStringLiteral("−(")) } << factors << textRun(QStringLiteral(")"));
    return filled(texts::kPracticeHintPivots, { pivots, name, factors });
}

// What went wrong, as a clause: "знакът е обратен".
Runs mistakeClause(const WorkedSolution& solution, PracticeStep step, const NamedMistake& named)
{
    const NumberWriter numbers(solution.record.locale);
    switch (named.mistake) {
    case Mistake::OppositeSign:
        return filled(texts::kPracticeOppositeSign, {});
    case Mistake::ProductsAdded:
        return filled(texts::kPracticeProductsAdded, {});
    case Mistake::DiagonalsSwapped:
        return filled(texts::kPracticeDiagonalsSwapped, {});
    case Mistake::TermLeftOut:
    case Mistake::TermSignFlipped: {
        const std::optional<ClosedForm> form = closedFormOf(solution, step.index);
        const ClosedFormTerm& term = form->terms[static_cast<std::size_t>(named.term - 1)];
        const Runs sign = textOf(term.negative ? QStringLiteral("−") : QStringLiteral("+"));
        const Runs other = textOf(term.negative ? QStringLiteral("+") : QStringLiteral("−"));
        return named.mistake == Mistake::TermLeftOut
            ? filled(texts::kPracticeTermLeftOut, { product(numbers, term), sign })
            : filled(texts::kPracticeTermSignFlipped, { product(numbers, term), other, sign });
    }
    case Mistake::WrongColumnReplaced:
        return filled(texts::kPracticeWrongColumn, { named.column, step.index });
    case Mistake::QuotientInverted:
        return filled(
            texts::kPracticeQuotientInverted, { indexedName('d', step.index), indexedName('x', step.index) });
    case Mistake::RoundedWrongly:
    case Mistake::TooFewDigits:
    case Mistake::NotRight:
    case Mistake::None:
        break;
    }
    return {};
}

// "2,5 %": two significant digits below 10 %, whole percent above.
Runs percent(const WorkedSolution& solution, double relativeError)
{
    const double value = relativeError * 100;
    const int digits = value >= 10 ? static_cast<int>(std::floor(std::log10(value))) + 1 : 2;
    return { numberRun(NumberWriter(solution.record.locale).approximate(value, digits)) };
}

} // namespace

Runs practiceStepName(PracticeStep step)
{
    if (step.kind == PracticeStep::Kind::SolutionCount)
        return filled(texts::kPracticeCountName, {});
    return { nameRun(step.kind == PracticeStep::Kind::Unknown ? 'x' : 'd', step.index) };
}

Runs practiceStepHeading(PracticeStep step)
{
    if (step.kind == PracticeStep::Kind::SolutionCount)
        return filled(texts::kPracticeCountHeading, {});
    if (step.kind == PracticeStep::Kind::Unknown)
        return filled(texts::kPracticeUnknown, { indexedName('x', step.index) });
    if (step.index == 0)
        return filled(texts::kWorkingMainHeading, {});
    return filled(texts::kWorkingNumeratorHeading, { indexedName('d', step.index), step.index });
}

Runs practiceValue(const WorkedSolution& solution, PracticeStep step)
{
    if (step.kind == PracticeStep::Kind::SolutionCount)
        return solutionCountWords(solution.exact().verdict);
    return NumberWriter(solution.record.locale).exactValue(expectedValue(solution.exact(), step));
}

PracticeReply replyToAnswer(
    const WorkedSolution& solution, PracticeStep step, const QString& typed, const NumberLocale& locale)
{
    const auto read = readAnswer(typed.toStdString(), locale);
    if (const auto* problem = std::get_if<AnswerProblem>(&read))
        return { answerProblemMessage(*problem, typed), false, false };
    const Answer& answer = std::get<Answer>(read);
    const AnswerCheck check = checkAnswer(solution.record, solution.exact(), step, answer);
    PracticeReply reply { answerCheckMessage(solution, step, answer, check), true, check.right,
        check.mistake };
    if (const Runs note = otherSeparatorNote(typed, locale); !note.empty()) {
        reply.message.push_back(textRun(QStringLiteral(" ")));
        reply.message.insert(reply.message.end(), note.begin(), note.end());
    }
    return reply;
}

Runs singlePrecisionNote(const WorkedSolution& solution)
{
    const ExactWorking& working = solution.exact();
    const NumberWriter numbers(solution.record.locale);
    if (working.verdict == ExactVerdict::OneSolution && solution.record.outcome.status != SolveStatus::Solved)
        return filled(texts::kPracticeSingleFailed, { numbers.exact(working.determinant) });
    if (working.disagreement == Disagreement::ZeroOnlyExactly)
        return filled(texts::kPracticeSingleNotZero,
            { Runs { numberRun(numbers.single(working.determinants.front().single)) } });
    return {};
}

Runs solutionCountWords(ExactVerdict verdict)
{
    return filled(
        verdict == ExactVerdict::NoSolution ? texts::kPracticeNoSolution : texts::kPracticeInfinitelyMany,
        {});
}

Runs solutionCountMessage(const WorkedSolution& solution, ExactVerdict chosen)
{
    const ExactWorking& working = solution.exact();
    if (chosen != working.verdict)
        return filled(texts::kPracticeCountWrong, {});
    return filled(texts::kPracticeCountRight, { working.rank, working.augmentedRank });
}

Runs answerProblemMessage(AnswerProblem problem, const QString& typed)
{
    switch (problem) {
    case AnswerProblem::Empty:
        return filled(texts::kPracticeEmpty, {});
    case AnswerProblem::NotANumber:
        return filled(texts::kPracticeNotANumber, { textOf(quotedForMessage(typed.trimmed())) });
    case AnswerProblem::ZeroDenominator:
        return filled(texts::kPracticeZeroDenominator, { textOf(quotedForMessage(typed.trimmed())) });
    case AnswerProblem::TooLong:
        return filled(texts::kPracticeTooLong, { textOf(typed.trimmed().left(20) + QStringLiteral("…")) });
    }
    return {};
}

Runs otherSeparatorNote(const QString& typed, const NumberLocale& locale)
{
    const QString group = QString::fromStdString(locale.group);
    const QString decimal = QString::fromStdString(locale.decimal);
    if ((group != u"," && group != u".") || !typed.contains(group) || typed.count(group) != 1)
        return {};
    QString asDecimal = typed.trimmed();
    asDecimal.replace(group, decimal);
    const auto read = readAnswer(typed.toStdString(), locale);
    const auto other = readAnswer(asDecimal.toStdString(), locale);
    const auto* asRead = std::get_if<Answer>(&read);
    const auto* otherwise = std::get_if<Answer>(&other);
    if (!asRead || !otherwise || asRead->value == otherwise->value)
        return {};
    const NumberWriter numbers(locale);
    return filled(texts::kPracticeOtherSeparator,
        { textOf(typed.trimmed()), numbers.exact(asRead->value), textOf(group), textOf(asDecimal) });
}

Runs answerCheckMessage(
    const WorkedSolution& solution, PracticeStep step, const Answer& answer, const AnswerCheck& check)
{
    const NumberWriter numbers(solution.record.locale);
    const Rational& value = expectedValue(solution.exact(), step);
    const Runs name = practiceStepName(step);
    if (check.right) {
        // The value in the form the student did not use.
        if (value.isInteger())
            return filled(texts::kPracticeRight, {});
        return filled(texts::kPracticeRightOtherForm,
            { name, answer.form == Answer::Form::Fraction ? numbers.exact(value) : numbers.fraction(value) });
    }
    if (check.singlePrecisionValue)
        return filled(texts::kPracticeSingle, { name, practiceValue(solution, step) });
    if (check.mistake == Mistake::RoundedWrongly)
        return filled(texts::kPracticeRoundedWrongly, {});
    if (check.mistake == Mistake::TooFewDigits)
        return filled(
            texts::kPracticeTooFewDigits, { Runs { numberRun(numbers.approximate(value.toDouble(), 3)) } });
    if (check.mistake != Mistake::NotRight && check.mistake != Mistake::None) {
        const Runs first = mistakeClause(solution, step, { check.mistake, check.term, check.column });
        if (check.alternative)
            return filled(
                texts::kPracticeWrongEither, { first, mistakeClause(solution, step, *check.alternative) });
        Runs said = filled(texts::kPracticeWrongBecause, { first });
        if (check.mistake == Mistake::DiagonalsSwapped)
            said << textRun(QStringLiteral(" ")) << filled(texts::kPracticeDiagonalsRule, {});
        return said;
    }
    if (check.relativeError && *check.relativeError < 10)
        return filled(*check.relativeError < 0.01 ? texts::kPracticeAlmost : texts::kPracticeNotRightBy,
            { percent(solution, *check.relativeError) });
    return filled(texts::kPracticeNotRight, {});
}

Runs practiceHint(
    const WorkedSolution& solution, const WorkingDocument& document, PracticeStep step, int level)
{
    const int n = solution.record.typed.n;
    if (step.kind == PracticeStep::Kind::SolutionCount) {
        const ExactWorking& working = solution.exact();
        if (level == 1)
            return filled(texts::kPracticeHintRouche, {});
        if (level == 2)
            return filled(texts::kPracticeHintRanks, { working.rank, working.augmentedRank });
        return filled(working.verdict == ExactVerdict::NoSolution ? texts::kPracticeHintNoSolution
                                                                  : texts::kPracticeHintInfinitelyMany,
            {});
    }
    if (level >= kPracticeHints)
        return filled(texts::kPracticeHintValue, { practiceStepName(step), practiceValue(solution, step) });
    if (step.kind == PracticeStep::Kind::Unknown) {
        if (level == 1)
            return filled(texts::kPracticeHintRuleUnknown,
                { indexedName('d', step.index), indexedName('x', step.index) });
        // Without d_i's and d's values: the student may not have found them yet.
        return filled(texts::kPracticeHintDivide,
            { practiceStepName(step), practiceStepName({ PracticeStep::Kind::Determinant, step.index }) });
    }
    if (n <= 3) {
        if (level == 1)
            return filled(n == 2 ? texts::kWorkingCross : texts::kWorkingSarrus, {});
        // The rule with this system's numbers, as the working writes it, up
        // to the products' values: "d = 2·3 − 1·4".
        for (const Section& section : document.sections)
            if (section.id == Section::Id::Determinant && section.index == step.index)
                for (const Block& block : section.blocks)
                    if (block.kind == Block::Kind::Formula) {
                        std::vector<std::size_t> equals;
                        for (std::size_t i = 0; i < block.runs.size(); ++i)
                            if (block.runs[i].kind == Run::Kind::Operator && block.runs[i].text == u"=")
                                equals.push_back(i);
                        const std::size_t end
                            = equals.size() >= 2 ? equals[equals.size() - 2] : block.runs.size();
                        return Runs(
                            block.runs.begin(), block.runs.begin() + static_cast<std::ptrdiff_t>(end));
                    }
    }
    return level == 1 ? eliminationRule(solution, step) : eliminationSteps(solution, step);
}

WorkingDocument practiceSummary(
    const WorkedSolution& solution, const std::vector<PracticeOutcome>& outcomes, qint64 seconds)
{
    WorkingDocument summary;
    summary.title = qtText(texts::kPracticeTitle);
    Section& section = summary.sections.emplace_back();
    auto line = [&section](Runs runs) {
        section.blocks.push_back({ Block::Kind::Paragraph, std::move(runs), {}, false, {} });
    };
    line(filled(texts::kPracticeDone, {}));
    for (const PracticeOutcome& outcome : outcomes) {
        const Runs name = practiceStepName(outcome.step);
        const Runs value = practiceValue(solution, outcome.step);
        const Runs tries = outcome.tries == 1 ? filled(texts::kPracticeFirstTry, {})
                                              : filled(texts::kPracticeTries, { outcome.tries });
        // A shown value keeps the tries made before it.
        const Runs shown = outcome.tries == 0
            ? filled(texts::kPracticeShown, {})
            : Runs { textRun(qtText(texts::kPracticeShownAfter, outcome.tries)) };
        if (outcome.step.kind == PracticeStep::Kind::SolutionCount)
            line(outcome.shown ? filled(texts::kPracticeSummaryCountShown, { value, shown, outcome.hints })
                               : filled(texts::kPracticeSummaryCountRight, { value, tries, outcome.hints }));
        else if (outcome.shown)
            line(filled(texts::kPracticeSummaryShown, { name, value, shown, outcome.hints }));
        else
            line(filled(texts::kPracticeSummaryRight, { name, value, tries, outcome.hints }));
    }
    line(filled(texts::kPracticeTime, { static_cast<int>(seconds / 60), static_cast<int>(seconds % 60) }));
    return summary;
}

} // namespace cramer
