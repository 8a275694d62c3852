// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/practice.h"

#include "report/file_messages.h"
#include "report/practice_texts.h"
#include "report/solve_messages.h"
#include "report/texts.h"
#include "solver/missing_library.h"
#include "window/form/form1.h"
#include "window/form/message_boxes.h"
#include "window/form/user_locale.h"
#include "window/shell/command_gate.h"
#include "window/shell/exercises.h"
#include "window/shell/placement.h"
#include "window/shell/practice_window.h"

#include <QAction>
#include <QRect>

namespace cramer {

using texts::qtText;

namespace {

// The cells of the system, where the student looks to compare.
QRect gridOnScreen(const Form1& form, int n)
{
    const QWidget* first = form.cell(1, 1);
    const QWidget* last = form.cell(n, n + 1);
    return { first->mapToGlobal(QPoint(0, 0)),
        last->mapToGlobal(QPoint(last->width() - 1, last->height() - 1)) };
}

} // namespace

Practice::Practice(Form1& form, MessageBoxes& boxes, CommandGate& gate, Exercises& exercises, QWidget* window)
    : QObject(window)
    , form_(form)
    , boxes_(boxes)
    , gate_(gate)
    , exercises_(exercises)
    , window_(window)
{
    start_ = gate.add(this, texts::kPracticeCommand, QKeySequence(Qt::CTRL | Qt::Key_R), [this] { start(); });
    auto update = [this] { gate_.setWanted(start_, form_.holdsSystem()); };
    connect(&form_, &Form1::gridReset, this, update);
    connect(&form_, &Form1::cellEdited, this, update);
    update();
}

void Practice::start()
{
    const TypedSystem system = form_.typedSystem();
    // One practice at a time: this very system's comes forward; for a
    // system changed since, the student chooses.
    if (last_) {
        if (last_->system() != system
            && boxes_.ask(window_, qtText(texts::kPracticeTitle), qtText(texts::kPracticeSystemChanged))) {
            last_->close();
        } else {
            last_->show();
            last_->raise();
            last_->activateWindow();
            return;
        }
    }
    const NumberLocale locale = userNumberLocale();
    SolveRecord record = solveQuietly(system.n, system.texts, locale);
    const QString title = qtText(texts::kPracticeTitle);
    const SolveOutcome& outcome = record.outcome;
    if (outcome.status == SolveStatus::BadCell) {
        boxes_.inform(window_, title, badCellMessage(*outcome.cell, record.typed.n, locale));
        return;
    }
    WorkedSolution solution(std::move(record));
    try {
        solution.exact();
    } catch (const MissingLibrary& missing) {
        boxes_.inform(window_, title, missingLibraryMessage(missing));
        return;
    }
    const ExactWorking& working = solution.exact();
    if (working.tooLong) {
        boxes_.inform(window_, title, qtText(texts::kPracticeSystemTooLong));
        return;
    }
    last_ = new PracticeWindow(std::move(solution), boxes_, window_);
    last_->setAttribute(Qt::WA_DeleteOnClose);
    connect(last_, &PracticeWindow::newExerciseRequested, this, [this, done = last_] {
        if (!exercises_.makeAnother(done->system().n))
            return;
        done->close();
        start();
    });
    connect(last_, &QObject::destroyed, this, [this, closing = last_] {
        if (last_ == closing)
            last_ = nullptr;
        // The keyboard goes back to the form, to the cell it left.
        if (!last_ && window_->isVisible())
            window_->activateWindow();
    });
    last_->show();
    placeBeside(last_, window_, gridOnScreen(form_, system.n));
    last_->activateWindow();
    last_->setFocus();
}

} // namespace cramer
