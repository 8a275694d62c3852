// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Нова задача": a fresh system for the size selected in the yellow band,
// with an integer solution or one of simple fractions.

#include "solver/exercise.h"

#include <QObject>

class QAction;
class QWidget;

namespace cramer {

class CommandGate;
class Form1;

class Exercises : public QObject {
    Q_OBJECT
public:
    // `form` must outlive this; the shortcuts work in `window`.
    Exercises(Form1& form, CommandGate& gate, QWidget* window);

    QAction* newExerciseAction() const { return integers_; }
    QAction* newFractionExerciseAction() const { return fractions_; }
    // The same exercises again from here on, for tests and classes.
    void setSeed(std::uint64_t seed) { maker_ = ExerciseMaker(seed); }
    void make(SolutionKind kind);
    // One more of the size chosen and the kind made last (integers at first).
    void makeAnother() { make(lastKind_); }

private:
    Form1& form_;
    ExerciseMaker maker_;
    SolutionKind lastKind_ = SolutionKind::Integers;
    QAction* integers_ = nullptr;
    QAction* fractions_ = nullptr;
};

} // namespace cramer
