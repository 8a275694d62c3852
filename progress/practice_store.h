// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every answer practice checks, kept in one SQLite file for the students of
// one computer. Each answer is written in a transaction of its own; the
// file is never deleted or replaced by the program. Where it cannot be used
// (locked, read-only, damaged, made by a newer program), practice goes on
// with an in-memory database and one message says why.

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <vector>

namespace cramer {

// What practice asks for, by the skill it takes.
enum class Skill {
    Determinant2, // a 2 × 2 d or d_i
    Sarrus, // a 3 × 3 one
    Elimination, // n ≥ 4
    Column, // d_i: which column takes the right-hand sides
    Division, // x_i = d_i / d, a value that ends
    Rounding, // x_i, a value that never ends
    SolutionCount, // d = 0: none or infinitely many
};
inline constexpr int kSkills = 7;

struct AnsweredStep {
    QDateTime when; // UTC
    QString student;
    QString system; // the typed system, one equation a line, as CSV
    QString systemHash; // SHA-1 of `system`
    int n = 0;
    int stepKind = 0; // PracticeStep::Kind
    int stepIndex = 0;
    Skill skill = Skill::Division;
    QString typed;
    bool right = false;
    QString mistake; // the mistake's name in the program ("OppositeSign"); empty when right
    int tryNumber = 1; // 1 for the first try at the step
    int hints = 0; // taken before this answer
    qint64 milliseconds = 0; // since the step was shown
};

class PracticeStore {
public:
    // The schema's version this program writes.
    static constexpr int kSchemaVersion = 2;

    // Opens `path` (created with its folder if missing), or, where that
    // cannot be kept, an in-memory database; problem() says why.
    explicit PracticeStore(const QString& path);
    ~PracticeStore();
    PracticeStore(const PracticeStore&) = delete;
    PracticeStore& operator=(const PracticeStore&) = delete;

    enum class Problem { None, CannotOpen, Locked, ReadOnly, Damaged, Newer };
    bool keeps() const { return problem_ == Problem::None; }
    // Why the file is not used, and the database's own words for it.
    Problem problem() const { return problem_; }
    QString detail() const { return detail_; }

    // One answer in a transaction of its own; false when it could not be written.
    bool record(const AnsweredStep& answer);
    QStringList students() const;
    // The student's answers, oldest first.
    std::vector<AnsweredStep> answers(const QString& student) const;
    // Deletes one student's rows; the file stays.
    bool forget(const QString& student);

    QSqlDatabase database() const;

private:
    Problem openFile(const QString& path);
    Problem migrate();
    void openInMemory();

    QString connection_;
    Problem problem_ = Problem::None;
    QString detail_;
};

// A time as the store keeps it ("2026-11-02T08:01:00.000Z"), read back.
QDateTime keptTime(const QString& text);

// The file the window's practice keeps: practice.sqlite in the user's
// application data folder.
QString defaultPracticeFile();

} // namespace cramer
