// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/exercises.h"

#include "report/texts.h"
#include "window/form/form1.h"
#include "window/form/user_locale.h"
#include "window/shell/command_gate.h"

#include <QWidget>

#include <random>

namespace cramer {

Exercises::Exercises(Form1& form, CommandGate& gate, QWidget* window)
    : QObject(window)
    , form_(form)
    , maker_(std::random_device {}())
{
    integers_
        = gate.add(this, texts::kNewExercise, QKeySequence::New, [this] { make(SolutionKind::Integers); });
    fractions_ = gate.add(this, texts::kNewFractionExercise, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
        [this] { make(SolutionKind::SimpleFractions); });
}

void Exercises::make(SolutionKind kind)
{
    lastKind_ = kind;
    const NumberLocale locale = userNumberLocale();
    form_.enterSystem(withDecimalPoint(maker_.next(form_.selectedSize(), kind), locale.decimal));
}

} // namespace cramer
