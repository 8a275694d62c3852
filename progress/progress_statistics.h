// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a student's kept answers say: per skill, the share right at the
// first try, week by week; the mistakes that recur; the time an exercise
// takes; and the exercise to practise next, aimed at the commonest recent
// mistake.

#include "progress/practice_store.h"
#include "solver/practice.h"

#include <QDate>

#include <array>
#include <optional>

namespace cramer {

// The skill a step of a practice on a system of n unknowns takes.
Skill skillOf(int n, PracticeStep step, const ExactWorking& working);
// The name a mistake is kept under, and back.
QString mistakeName(Mistake mistake);
std::optional<Mistake> mistakeNamed(const QString& name);
// The choice of how many solutions, wrong: kept under this name.
inline constexpr const char* kWrongCountName = "WrongCount";

struct WeekShare {
    QDate week; // its Monday, in the user's time zone
    int firstTries = 0;
    int right = 0;
};

struct SkillProgress {
    int firstTries = 0;
    int right = 0; // right at the first try
    std::vector<WeekShare> weeks; // oldest first
};

struct RecurringMistake {
    QString mistake;
    int count = 0;
    QDateTime lastSeen;
};

struct ProgressSummary {
    std::array<SkillProgress, kSkills> skills;
    std::vector<RecurringMistake> mistakes; // commonest first
    int exercises = 0; // distinct systems practised
    // Per exercise: the time between its answers, pauses of more than ten
    // minutes left out; of an even count the mean of the middle two.
    double medianMinutes = 0;
};

ProgressSummary summarize(const std::vector<AnsweredStep>& answers);
// The same of a student's kept answers, counted by the database: a
// hundred thousand answers need not be read one by one.
ProgressSummary summarize(const PracticeStore& store, const QString& student);

// The next exercise for the commonest mistake among the last `recent`
// answers: its size and kind, and the mistake it aims at; nothing before
// any mistake.
struct AimedExercise {
    // Negatives: a 3 × 3 with negative entries in every row, for Sarrus's signs;
    // Recurring: answers that never end, to be rounded.
    enum class Kind { Integers, Fractions, Recurring, Singular, Negatives };
    int n = 3;
    Kind kind = Kind::Integers;
    QString mistake;
};
std::optional<AimedExercise> aimedExercise(const std::vector<AnsweredStep>& answers, int recent = 50);

} // namespace cramer
