// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every answer practice checks, kept in one SQLite file for the students of
// one computer. Each answer is written in a transaction of its own; the
// file is never deleted or replaced by the program. Where it cannot be used
// (locked, read-only, damaged, made by a newer program), practice goes on
// with an in-memory database and one message says why. An answer whose
// write fails waits in memory and is written, once, with the next one that
// can be.

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
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

    // Told apart by the database's own error codes: busy past the wait,
    // not allowed (a read-only file or folder), the disk full, damaged.
    enum class Problem { None, CannotOpen, Locked, ReadOnly, Full, Damaged, Newer };
    bool keeps() const { return problem_ == Problem::None; }
    // Why the file is not used, and the database's own words for it.
    Problem problem() const { return problem_; }
    QString detail() const { return detail_; }

    // Keeps `answer` and writes every answer still waiting, oldest first,
    // each in a transaction of its own: None once all are written, else why
    // the first one that waits could not be (lastError() has the words).
    Problem record(const AnsweredStep& answer);
    // Tries the waiting answers again.
    Problem flush();
    int waiting() const { return static_cast<int>(waiting_.size()); }
    QString lastError() const { return lastError_; }
    QStringList students() const;
    // The student's answers, oldest first, those still waiting with them.
    std::vector<AnsweredStep> answers(const QString& student) const;
    // Deletes one student's rows, and answers of theirs still waiting; the
    // file stays. How many answers went, or why none did.
    struct Forgotten {
        Problem problem = Problem::None;
        int answers = 0;
    };
    Forgotten forget(const QString& student);

    QSqlDatabase database() const;

private:
    Problem openFile(const QString& path);
    Problem migrate();
    void openInMemory();
    Problem write(const AnsweredStep& answer);
    Problem failed(const QSqlError& error);

    QString connection_;
    Problem problem_ = Problem::None;
    QString detail_;
    std::vector<AnsweredStep> waiting_;
    QString lastError_;
};

// A time as the store keeps it ("2026-11-02T08:01:00.000Z"), read back.
QDateTime keptTime(const QString& text);

// The file the window's practice keeps: practice.sqlite in the user's
// application data folder.
QString defaultPracticeFile();

} // namespace cramer
