// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One value the student finds in practice: its heading (and, for a
// determinant, its matrix), the answer field or, for how many solutions
// there are, two choices, the buttons that check and hint, what the
// program said last, and the tries and hints it took.

#include "report/practice_messages.h"
#include "report/working_document.h"
#include "solver/practice.h"

#include <QObject>

#include <optional>

class QAbstractButton;
class QButtonGroup;
class QKeySequence;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace cramer {

// Labels of the practice page: selectable, wrapped; a heading in bold.
QLabel* practiceLabel(const QString& text, QWidget* parent);
QLabel* practiceHeading(const QString& text, QWidget* parent);

class PracticeStepRow : public QObject {
    Q_OBJECT
public:
    // Adds the step's widgets to `page`'s vertical layout; a determinant's
    // matrix is taken from `document`. `hintKey` is named on the hint button.
    PracticeStepRow(
        PracticeStep step, const WorkingDocument& document, const QKeySequence& hintKey, QWidget* page);

    const PracticeStep& step() const { return outcome_.step; }
    const PracticeOutcome& outcome() const { return outcome_; }
    bool isDone() const { return done_; }
    bool asksForChoice() const { return choices_ != nullptr; }

    // Null for the step that asks how many solutions there are.
    QLineEdit* answerField() const { return answer_; }
    // Of the step that asks how many solutions there are: a choice, and
    // the one made.
    QAbstractButton* choice(ExactVerdict verdict) const;
    std::optional<ExactVerdict> chosen() const;
    // Where the keyboard belongs: the answer field, or the choice made
    // (else the first).
    QWidget* field() const;
    // `focus` is one of this step's fields or buttons.
    bool holds(const QWidget* focus) const;

    QString feedback() const;
    QLabel* feedbackLabel() const { return feedback_; }
    // Shows `text` below the step, and as the field's description, which a
    // screen reader reads where the keyboard is.
    void say(const QString& text);

    void countTry() { ++outcome_.tries; }
    int countHint() { return ++outcome_.hints; }
    // The last hint's value stands in the field, not the last wrong answer.
    void reveal(const QString& value);
    void reveal(ExactVerdict verdict);
    // Nothing more to enter: the field is read-only, the buttons disabled.
    void finish();

signals:
    void checkRequested();
    void hintRequested();

private:
    void addChoices(QWidget* page);

    PracticeOutcome outcome_;
    QLineEdit* answer_ = nullptr;
    QButtonGroup* choices_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* hintButton_ = nullptr;
    QLabel* feedback_ = nullptr;
    bool done_ = false;
};

} // namespace cramer
