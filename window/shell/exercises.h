// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Нова задача": a fresh system for the size selected in the yellow band,
// or practice's own size, with an integer solution or one of simple
// fractions; a system typed by hand is replaced only when the user says so.

#include "solver/exercise.h"
#include "solver/typed_system.h"

#include <QObject>

#include <functional>

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
    // A new system of `size` equations (the size selected in the yellow band
    // without one) replaces the grid's; a system typed by hand only when the
    // user says so. Returns whether it did.
    bool make(SolutionKind kind, int size = 0);
    // One more of `size` equations and the kind made last (integers at first).
    bool makeAnother(int size) { return make(lastKind_, size); }
    // A system of `size` equations with d = 0: no solution or infinitely many.
    bool makeSingular(int size);
    // One with integers and a negative coefficient in every row: the signs
    // of Sarrus's products to practise.
    bool makeWithNegatives(int size);

private:
    // The grid takes what `draw` makes, as `make` says.
    bool replaceWith(int size, const std::function<TypedSystem(int)>& draw);

    Form1& form_;
    CommandGate& gate_;
    ExerciseMaker maker_;
    TypedSystem lastMade_; // to tell it from a system typed since
    SolutionKind lastKind_ = SolutionKind::Integers;
    std::uint64_t singularSeed_ = 1;
    QAction* integers_ = nullptr;
    QAction* fractions_ = nullptr;
};

} // namespace cramer
