// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The end of a practice: a line per step and the time, shown on the page
// once every step is done, then copied or saved as text or as HTML.

#include "report/practice_messages.h"
#include "report/working_document.h"

#include <QObject>
#include <QString>

#include <vector>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QWidget;

namespace cramer {

class MessageBoxes;

class PracticeSummary : public QObject {
public:
    // The summary's place goes on `page`'s layout, hidden until it is shown;
    // `window` parents the dialogs. `boxes` must outlive the summary.
    PracticeSummary(QWidget* page, QWidget* window, MessageBoxes& boxes);
    // Its copy and save buttons, which wait for the summary.
    void addButtons(QDialogButtonBox* buttons);

    // Empty until shown.
    QString text() const;
    QLabel* label() const { return label_; }
    void show(const WorkedSolution& solution, const std::vector<PracticeOutcome>& outcomes, qint64 seconds);

    // As text and as HTML.
    void copy() const;
    // The forms a summary is saved in, in the order of the save dialog's filters.
    enum class SummaryForm { Text, Html };
    // Asks for a file name, then writes the summary in the form of the filter chosen.
    void save();
    // Writes `path`; a message says what went wrong if it could not be written.
    bool saveTo(const QString& path, SummaryForm form);

private:
    QWidget* window_;
    MessageBoxes& boxes_;
    QLabel* label_ = nullptr;
    WorkingDocument document_;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace cramer
