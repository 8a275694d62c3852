// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/progress_statistics.h"

#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

namespace cramer {
namespace {

const std::array<std::pair<Mistake, const char*>, 10> kMistakeNames { {
    { Mistake::OppositeSign, "OppositeSign" },
    { Mistake::ProductsAdded, "ProductsAdded" },
    { Mistake::DiagonalsSwapped, "DiagonalsSwapped" },
    { Mistake::TermLeftOut, "TermLeftOut" },
    { Mistake::TermSignFlipped, "TermSignFlipped" },
    { Mistake::WrongColumnReplaced, "WrongColumnReplaced" },
    { Mistake::QuotientInverted, "QuotientInverted" },
    { Mistake::RoundedWrongly, "RoundedWrongly" },
    { Mistake::TooFewDigits, "TooFewDigits" },
    { Mistake::NotRight, "NotRight" },
} };

// The middle value (the upper of the two middle ones); 0 of none.
double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

QDate mondayOf(const QDate& day) { return day.addDays(1 - day.dayOfWeek()); }

} // namespace

Skill skillOf(int n, PracticeStep step, const ExactWorking& working)
{
    switch (step.kind) {
    case PracticeStep::Kind::SolutionCount:
        return Skill::SolutionCount;
    case PracticeStep::Kind::Unknown:
        return expectedValue(working, step).terminates() ? Skill::Division : Skill::Rounding;
    case PracticeStep::Kind::Determinant:
        break;
    }
    if (step.index > 0)
        return Skill::Column;
    return n == 2 ? Skill::Determinant2 : n == 3 ? Skill::Sarrus : Skill::Elimination;
}

QString mistakeName(Mistake mistake)
{
    for (const auto& [kind, name] : kMistakeNames)
        if (kind == mistake)
            return QString::fromLatin1(name);
    return {};
}

std::optional<Mistake> mistakeNamed(const QString& name)
{
    for (const auto& [kind, known] : kMistakeNames)
        if (name == QLatin1String(known))
            return kind;
    return std::nullopt;
}

ProgressSummary summarize(const std::vector<AnsweredStep>& answers)
{
    ProgressSummary summary;
    std::map<QString, RecurringMistake> mistakes;
    std::map<QString, std::pair<QDateTime, QDateTime>> exercises; // by the system's hash (one student's)
    for (const AnsweredStep& answer : answers) {
        auto& span = exercises[answer.systemHash];
        if (!span.first.isValid() || answer.when < span.first)
            span.first = answer.when;
        span.second = std::max(span.second, answer.when);
        if (!answer.mistake.isEmpty()) {
            RecurringMistake& mistake = mistakes[answer.mistake];
            mistake.mistake = answer.mistake;
            ++mistake.count;
            mistake.lastSeen = std::max(mistake.lastSeen, answer.when);
        }
        if (answer.tryNumber != 1 || answer.hints > 0)
            continue;
        SkillProgress& skill = summary.skills[static_cast<std::size_t>(answer.skill)];
        ++skill.firstTries;
        skill.right += answer.right ? 1 : 0;
        // Weeks by the UTC date: a time zone's rules looked up per answer cost more than all the rest.
        const QDate week = mondayOf(answer.when.date());
        if (skill.weeks.empty() || skill.weeks.back().week != week)
            skill.weeks.push_back({ week, 0, 0 });
        ++skill.weeks.back().firstTries;
        skill.weeks.back().right += answer.right ? 1 : 0;
    }
    for (auto& [name, mistake] : mistakes)
        summary.mistakes.push_back(std::move(mistake));
    std::stable_sort(summary.mistakes.begin(), summary.mistakes.end(),
        [](const RecurringMistake& a, const RecurringMistake& b) { return a.count > b.count; });
    std::vector<double> minutes;
    for (const auto& [hash, span] : exercises)
        minutes.push_back(static_cast<double>(span.first.msecsTo(span.second)) / 60000.0);
    summary.exercises = static_cast<int>(minutes.size());
    summary.medianMinutes = median(minutes);
    return summary;
}

ProgressSummary summarize(const PracticeStore& store, const QString& student)
{
    ProgressSummary summary;
    const QSqlDatabase database = store.database();
    const auto rows = [&](const char* statement, const std::function<void(const QSqlQuery&)>& each) {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        query.prepare(QString::fromLatin1(statement));
        query.addBindValue(student);
        if (query.exec())
            while (query.next())
                each(query);
    };
    // First tries by skill and day, oldest first; days make weeks here.
    rows("SELECT skill, answered_on, COUNT(*), SUM(right_answer) FROM answers "
         "WHERE student = ? AND try_number = 1 AND hints = 0 GROUP BY skill, answered_on ORDER BY skill, "
         "answered_on",
        [&summary](const QSqlQuery& row) {
            const int skill = row.value(0).toInt();
            if (skill < 0 || skill >= kSkills)
                return;
            SkillProgress& progress = summary.skills[static_cast<std::size_t>(skill)];
            const int count = row.value(2).toInt();
            const int right = row.value(3).toInt();
            progress.firstTries += count;
            progress.right += right;
            const QDate week = mondayOf(QDate::fromString(row.value(1).toString(), Qt::ISODate));
            if (progress.weeks.empty() || progress.weeks.back().week != week)
                progress.weeks.push_back({ week, 0, 0 });
            progress.weeks.back().firstTries += count;
            progress.weeks.back().right += right;
        });
    rows("SELECT mistake, COUNT(*), MAX(answered_at) FROM answers WHERE student = ? AND mistake <> '' "
         "GROUP BY mistake ORDER BY COUNT(*) DESC, mistake",
        [&summary](const QSqlQuery& row) {
            summary.mistakes.push_back(
                { row.value(0).toString(), row.value(1).toInt(), keptTime(row.value(2).toString()) });
        });
    std::vector<double> minutes;
    rows("SELECT MIN(answered_at), MAX(answered_at) FROM answers WHERE student = ? GROUP BY system_hash",
        [&minutes](const QSqlQuery& row) {
            const QDateTime first = keptTime(row.value(0).toString());
            const QDateTime last = keptTime(row.value(1).toString());
            minutes.push_back(static_cast<double>(first.msecsTo(last)) / 60000.0);
        });
    summary.exercises = static_cast<int>(minutes.size());
    summary.medianMinutes = median(minutes);
    return summary;
}

std::optional<AimedExercise> aimedExercise(const std::vector<AnsweredStep>& answers, int recent)
{
    std::map<QString, int> counts;
    const std::size_t first = answers.size() > static_cast<std::size_t>(recent)
        ? answers.size() - static_cast<std::size_t>(recent)
        : 0;
    QString commonest;
    for (std::size_t i = first; i < answers.size(); ++i) {
        const QString& mistake = answers[i].mistake;
        if (mistake.isEmpty() || mistake == QLatin1String("NotRight"))
            continue;
        // The later of two as common wins: it is the one that still happens.
        if (++counts[mistake] >= counts[commonest])
            commonest = mistake;
    }
    if (commonest.isEmpty())
        return std::nullopt;
    AimedExercise aimed;
    aimed.mistake = commonest;
    if (commonest == QLatin1String(kWrongCountName)) {
        aimed.kind = AimedExercise::Kind::Singular;
        return aimed;
    }
    switch (mistakeNamed(commonest).value_or(Mistake::NotRight)) {
    case Mistake::ProductsAdded:
    case Mistake::DiagonalsSwapped:
        aimed.n = 2;
        break;
    case Mistake::WrongColumnReplaced:
        aimed.n = 4;
        break;
    case Mistake::RoundedWrongly:
    case Mistake::TooFewDigits:
    case Mistake::QuotientInverted:
        aimed.kind = AimedExercise::Kind::Fractions;
        break;
    case Mistake::TermLeftOut:
    case Mistake::TermSignFlipped:
        aimed.kind = AimedExercise::Kind::Negatives;
        break;
    default: // a sign, a value
        break;
    }
    return aimed;
}

} // namespace cramer
