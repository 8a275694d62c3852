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

// The middle value, the mean of the two middle ones of an even count; 0 of none.
double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 != 0)
        return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

QDate mondayOf(const QDate& day) { return day.addDays(1 - day.dayOfWeek()); }

// The user's own day of a time kept in UTC, the zone's offset looked up
// once an hour of UTC: a time zone's rules looked up per answer would cost
// more than all the rest.
class LocalDays {
public:
    QDate dayOf(const QDateTime& utc)
    {
        const qint64 hour = utc.toMSecsSinceEpoch() / 3600000;
        auto [at, added] = offsets_.try_emplace(hour, 0);
        if (added)
            at->second = QDateTime::fromMSecsSinceEpoch(hour * 3600000, Qt::UTC).toLocalTime().offsetFromUtc();
        return utc.addSecs(at->second).date();
    }

private:
    std::map<qint64, int> offsets_;
};

// The time an exercise took: between its answers in turn, less every pause
// of more than ten minutes (a break, another day).
class ExerciseTime {
public:
    static constexpr qint64 kLongestPause = 10 * 60 * 1000;

    void answeredAt(const QDateTime& when)
    {
        if (last_.isValid()) {
            const qint64 gap = last_.msecsTo(when);
            milliseconds_ += gap > 0 && gap <= kLongestPause ? gap : 0;
        }
        last_ = when;
    }
    double minutes() const { return static_cast<double>(milliseconds_) / 60000.0; }

private:
    QDateTime last_;
    qint64 milliseconds_ = 0;
};

std::vector<double> minutesOf(const std::map<QString, ExerciseTime>& exercises)
{
    std::vector<double> minutes;
    for (const auto& [hash, time] : exercises)
        minutes.push_back(time.minutes());
    return minutes;
}

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
    std::map<QString, ExerciseTime> exercises; // by the system's hash (one student's)
    LocalDays days;
    for (const AnsweredStep& answer : answers) {
        exercises[answer.systemHash].answeredAt(answer.when);
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
        const QDate week = mondayOf(days.dayOf(answer.when));
        if (skill.weeks.empty() || skill.weeks.back().week != week)
            skill.weeks.push_back({ week, 0, 0 });
        ++skill.weeks.back().firstTries;
        skill.weeks.back().right += answer.right ? 1 : 0;
    }
    for (auto& [name, mistake] : mistakes)
        summary.mistakes.push_back(std::move(mistake));
    std::stable_sort(summary.mistakes.begin(), summary.mistakes.end(),
        [](const RecurringMistake& a, const RecurringMistake& b) { return a.count > b.count; });
    const std::vector<double> minutes = minutesOf(exercises);
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
    // First tries by skill and day, oldest first; days make weeks here. The
    // day is the student's own, kept with each answer.
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
    std::map<QString, ExerciseTime> exercises;
    rows("SELECT system_hash, answered_at FROM answers WHERE student = ? ORDER BY system_hash, answered_at",
        [&exercises](const QSqlQuery& row) {
            exercises[row.value(0).toString()].answeredAt(keptTime(row.value(1).toString()));
        });
    const std::vector<double> minutes = minutesOf(exercises);
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
        aimed.kind = AimedExercise::Kind::Recurring;
        break;
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
