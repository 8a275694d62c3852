// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Kept practice out of the computer and back: one student's or every
// student's answers as a workbook (sheets "answers", "skills" and
// "mistakes", columns named by fixed identifiers whatever the program's
// language) or as CSV of the answers; and the class overview, which
// merges the "skills" and "mistakes" sheets of several such workbooks,
// one per classroom computer.

#include "progress/progress_statistics.h"

#include <map>
#include <string>

namespace cramer {

struct StudentAnswers {
    QString student;
    std::vector<AnsweredStep> answers;
};

// A CSV field: quoted where it holds a comma, a quote or a line break.
QString csvField(QString text);

// Its sheets as an XLSX workbook; empty where libzip is missing.
std::string progressWorkbook(const std::vector<StudentAnswers>& students);
// The answers alone, one a line, with a header.
QString progressCsv(const std::vector<StudentAnswers>& students);

// A skill's identifier in the files ("sarrus"), and back.
QString skillKey(Skill skill);
std::optional<Skill> skillOfKey(const QString& key);

// Students × skills across several exported workbooks.
struct ClassRow {
    QString student;
    std::array<int, kSkills> firstTries {};
    std::array<int, kSkills> right {};
    std::map<QString, int> mistakes; // by kept name
    QString commonestMistake() const;
};
struct ClassOverview {
    std::vector<ClassRow> students; // by name
    QStringList unread; // files that are no such workbook, or one changed by hand
    QStringList repeated; // the same export as a file read before
};
// `workbooks` are the files' bytes, by name.
ClassOverview classOverview(const std::vector<std::pair<QString, std::string>>& workbooks);

} // namespace cramer
