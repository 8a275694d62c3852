// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Реши сам": a window of its own beside the form, in which the student
// computes d, each d_i and each x_i and the program checks every answer,
// names the mistake where it can and gives hints one at a time.

#include "progress/practice_store.h"
#include "report/figure.h"
#include "report/working_document.h"
#include "solver/practice.h"
#include "solver/typed_system.h"
#include "window/shell/practice_figures.h"
#include "window/shell/practice_step_row.h"

#include <QElapsedTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QAbstractButton;
class QLineEdit;
class QScrollArea;

namespace cramer {

class Announcer;

class MessageBoxes;
class PracticeSummary;

class PracticeWindow : public QWidget {
    Q_OBJECT
public:
    // Practice on `solution`, a solve with one solution and exact values;
    // `boxes` must outlive the window.
    PracticeWindow(WorkedSolution solution, MessageBoxes& boxes, QWidget* parent);

    // The steps' answer fields and what each said last, in order; for tests.
    QLineEdit* answerField(int step) const
    {
        return steps_.at(static_cast<std::size_t>(step))->answerField();
    }
    // Of the step that asks how many solutions there are: its choices.
    QAbstractButton* choice(int step, ExactVerdict verdict) const;
    QString feedback(int step) const;
    QString summary() const;
    int stepCount() const { return static_cast<int>(steps_.size()); }
    // The system as the grid held it when the practice began.
    const TypedSystem& system() const { return solution_.record.typed; }
    void check(int step);
    void hint(int step);
    // The summary, as text and as HTML.
    void copySummary() const;
    // Asks for a file name, then writes the summary as text, or as HTML by the name.
    void saveSummary();
    // Writes `path`, as HTML where its name says so, else as text; a message
    // says what went wrong if it could not be written.
    bool saveSummaryTo(const QString& path);

signals:
    // "Нова задача": the next exercise of the same size and kind.
    void newExerciseRequested();
    // An answer was checked and its verdict shown: the step, what was typed,
    // the verdict and its mistake, the try and hints, the time since the
    // practice began; the student and the system are the receiver's to add.
    void answerChecked(const cramer::AnsweredStep& answer);
    // „Смени ученика“.
    void changeStudentRequested();

private:
    // Where the program's own solve is no guide: a note saying so.
    void addSingleFailedNote(QWidget* page);
    void addStep(QWidget* page, PracticeStep step);
    void checkChoice(PracticeStepRow& entry);
    // The step whose field or buttons have the focus, else the first still open.
    int currentStep() const;
    void say(PracticeStepRow& entry, const QString& text);
    // For a screen reader, wherever the keyboard is.
    void speak(const QString& text);
    // Scrolls the page so that `widget`, on it, is in view.
    void showInView(QWidget* widget);
    void finishStep(PracticeStepRow& entry);
    void tellChecked(const PracticeStepRow& entry, const QString& typed, bool right, const QString& mistake);
    void showSummaryIfDone();

    WorkedSolution solution_;
    WorkingDocument document_;
    std::vector<PracticeStepRow*> steps_;
    std::unique_ptr<PracticeFigures> figures_;
    PracticeSummary* summary_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    MessageBoxes& boxes_;
    QElapsedTimer clock_;
    Announcer* announcer_ = nullptr;
    QString pendingSpeech_;
};

} // namespace cramer
