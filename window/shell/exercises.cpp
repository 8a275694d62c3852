// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/exercises.h"
#include "solver/worksheet.h"

#include "report/file_messages.h"
#include "report/texts.h"
#include "sheets/system_file.h"
#include "solver/missing_library.h"
#include "window/form/form1.h"
#include "window/form/user_locale.h"
#include "window/shell/command_gate.h"

#include <QWidget>

#include <algorithm>
#include <random>

namespace cramer {

Exercises::Exercises(Form1& form, CommandGate& gate, QWidget* window)
    : QObject(window)
    , form_(form)
    , gate_(gate)
    , maker_(std::random_device {}())
{
    integers_
        = gate.add(this, texts::kNewExercise, QKeySequence::New, [this] { make(SolutionKind::Integers); });
    fractions_ = gate.add(this, texts::kNewFractionExercise, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
        [this] { make(SolutionKind::SimpleFractions); });
}

bool Exercises::make(SolutionKind kind, int size)
{
    return replaceWith(size, [this, kind](int n) {
        lastKind_ = kind;
        return maker_.next(n, kind);
    });
}

bool Exercises::makeSingular(int size)
{
    return replaceWith(size, [this](int n) {
        const WorksheetResult made
            = makeWorksheet({ 1, n, AnswerKind::Integers, SingularShare::Some, 9, singularSeed_++ });
        return std::get<std::vector<Variant>>(made).front().system;
    });
}

bool Exercises::makeWithNegatives(int size)
{
    return replaceWith(size, [this](int n) {
        lastKind_ = SolutionKind::Integers;
        for (;;) {
            TypedSystem made = maker_.next(n, SolutionKind::Integers);
            bool everyRow = true;
            for (int row = 1; row <= n && everyRow; ++row) {
                bool negative = false;
                for (int column = 1; column <= n; ++column)
                    negative = negative || made.text(row, column).front() == '-';
                everyRow = negative;
            }
            if (everyRow)
                return made;
        }
    });
}

bool Exercises::replaceWith(int size, const std::function<TypedSystem(int)>& draw)
{
    const TypedSystem shown = form_.typedSystem();
    const bool typed = shown != lastMade_
        && std::any_of(shown.texts.begin(), shown.texts.end(),
            [](const std::string& text) { return text.find_first_not_of(" \t") != std::string::npos; });
    if (typed
        && !gate_.formBoxes().ask(form_.window(), texts::qtText(texts::kNewExerciseTitle),
            texts::qtText(texts::kExerciseReplacesTyped)))
        return false;
    const NumberLocale locale = userNumberLocale();
    TypedSystem made;
    try {
        // A solution is checked exactly, with GMP.
        made = draw(size > 0 ? size : form_.selectedSize());
    } catch (const MissingLibrary& missing) {
        gate_.formBoxes().inform(
            form_.window(), texts::qtText(texts::kNewExerciseTitle), missingLibraryMessage(missing));
        return false;
    }
    form_.enterSystem(withDecimalPoint(made, locale.decimal));
    lastMade_ = form_.typedSystem();
    return true;
}

} // namespace cramer
