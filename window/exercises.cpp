// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/exercises.h"

#include "report/texts.h"
#include "window/form1.h"
#include "window/user_locale.h"

#include <QAction>
#include <QWidget>

#include <random>

namespace cramer {

using texts::qtText;

Exercises::Exercises(Form1& form, QWidget* window)
    : QObject(window)
    , form_(form)
    , maker_(std::random_device {}())
{
    auto action = [this, window](const char* text, const QKeySequence& shortcut, SolutionKind kind) {
        auto* created = new QAction(qtText(text), this);
        created->setShortcut(shortcut);
        connect(created, &QAction::triggered, this, [this, kind] {
            if (!form_.isBusy())
                make(kind);
        });
        window->addAction(created);
        return created;
    };
    integers_ = action(texts::kNewExercise, QKeySequence::New, SolutionKind::Integers);
    fractions_ = action(texts::kNewFractionExercise, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
        SolutionKind::SimpleFractions);
}

void Exercises::make(SolutionKind kind)
{
    const NumberLocale locale = userNumberLocale();
    form_.enterSystem(withDecimalPoint(maker_.next(form_.selectedSize(), kind), locale.decimal));
}

} // namespace cramer
