// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/solution_actions.h"

#include "report/figure.h"
#include "report/file_messages.h"
#include "report/file_texts.h"
#include "report/number_writer.h"
#include "report/runs.h"
#include "report/texts.h"
#include "report/working_document.h"
#include "report/working_forms.h"
#include "solver/missing_library.h"
#include "window/form/announcer.h"
#include "window/form/form1.h"
#include "window/shell/command_gate.h"
#include "window/shell/user_files.h"
#include "window/shell/working_window.h"
#include "window/shell/zoom_controller.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

namespace cramer {

using texts::qtText;

namespace {

constexpr std::chrono::milliseconds kAfterFlood(400);

// Asked after every solve, so a missing library only leaves it unsaid: the
// worked solution's window names the library when it is asked for.
QString unreliableWarning(const WorkedSolution& worked)
{
    try {
        const std::optional<Accuracy>& accuracy = worked.accuracy();
        if (!accuracy || !accuracy->unreliable)
            return {};
        QStringList names;
        for (std::size_t i = 0; i < accuracy->digits.size(); ++i)
            if (accuracy->untrusted[i])
                names << QStringLiteral("x%1").arg(i + 1);
        return qtText(texts::kResultsUnreliable).arg(names.join(QStringLiteral(", ")));
    } catch (const MissingLibrary&) {
        return {};
    }
}

} // namespace

SolutionActions::SolutionActions(
    Form1& form, MessageBoxes& boxes, CommandGate& gate, ZoomController& zoom, QWidget* window)
    : QObject(window)
    , boxes_(boxes)
    , gate_(gate)
    , zoom_(zoom)
    , window_(window)
    , announcer_(new Announcer(window))
{
    copy_ = gate.add(
        this, texts::kCopySolution, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copy(); });
    copyAsLatex_ = gate.add(this, texts::kCopySolutionAsLatex, QKeySequence(), [this] { copyAsLatex(); });
    showWorking_
        = gate.add(this, texts::kShowWorking, QKeySequence(Qt::CTRL | Qt::Key_D), [this] { showWorking(); });
    readResults_ = gate.add(
        this, texts::kReadResults, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), [this] { readResults(); });
    connect(&form, &Form1::solveFinished, this, &SolutionActions::take);
    connect(&form, &Form1::gridReset, this, [this] {
        worked_.reset();
        setWarning({});
        updateActions();
    });
    connect(&form, &Form1::cellEdited, this, &SolutionActions::markOutdated);
    updateActions();
}

void SolutionActions::updateActions()
{
    const bool results = worked_ && worked_->hasResults();
    gate_.setWanted(copy_, results);
    gate_.setWanted(copyAsLatex_, results);
    gate_.setWanted(readResults_, results);
    gate_.setWanted(showWorking_, worked_.has_value());
}

void SolutionActions::take(const SolveRecord& record)
{
    worked_.emplace(record);
    if (working_)
        withExactValues([this] { working_->showSolution(*worked_); });
    setWarning(unreliableWarning(*worked_));
    updateActions();
    // After the last box the keyboard is back in the grid, and a screen
    // reader would say only the cell's number: the results once, in words.
    // Rewriting the grid floods the screen reader with events, and Orca drops
    // what comes in a flood: the words follow once it has caught up.
    // With the worked solution open beside the form, its new verdict too.
    QStringList spoken;
    if (worked_->hasResults())
        spoken << resultLines().join(QStringLiteral(", ")) << warning_;
    if (working_ && working_->isVisible())
        if (const Section* verdict = working_->document().section(Section::Id::Verdict))
            for (const Block& block : verdict->blocks)
                spoken << runsAsPlainText(block.runs).simplified();
    spoken.removeAll(QString());
    if (!spoken.isEmpty())
        QTimer::singleShot(kAfterFlood, announcer_,
            [this, text = spoken.join(QStringLiteral(". "))] { announcer_->announce(text); });
}

QStringList SolutionActions::resultLines() const
{
    const SolveRecord& record = worked_->record;
    QStringList lines;
    for (int i = 1; i <= record.typed.n; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        lines << qtText(texts::kReadResultLine)
                     .arg(QString::number(i), worked_->number(record.shownSolutions[index]));
    }
    return lines;
}

void SolutionActions::setWarning(const QString& warning)
{
    if (warning == warning_)
        return;
    warning_ = warning;
    emit reliabilityWarningChanged(warning_);
}

void SolutionActions::markOutdated(int row, int column)
{
    const int n = worked_ ? worked_->record.typed.n : 0;
    if (!worked_ || worked_->outdated || row > n || column > n + 1)
        return;
    worked_->outdated = true;
    setWarning({});
    if (working_)
        withExactValues([this] { working_->showSolution(*worked_); });
}

bool SolutionActions::withExactValues(const std::function<void()>& use) const
{
    try {
        use();
        return true;
    } catch (const MissingLibrary& missing) {
        boxes_.inform(window_, qtText(texts::kExactMissingTitle), missingLibraryMessage(missing));
        return false;
    }
}

void SolutionActions::copy() const
{
    if (!worked_ || !worked_->hasResults())
        return;
    withExactValues([this] {
        const WorkingDocument solution = shortSolution(*worked_);
        copyTextAndHtml(workingAsPlainText(solution), workingAsHtml(solution));
    });
}

void SolutionActions::copyAsLatex() const
{
    if (worked_ && worked_->hasResults())
        withExactValues([this] {
            QGuiApplication::clipboard()->setText(workingAsLatex(shortSolution(*worked_), LatexForm::Body));
        });
}

void SolutionActions::readResults() const
{
    if (!worked_ || !worked_->hasResults())
        return;
    const SolveRecord& record = worked_->record;
    QStringList lines = resultLines();
    // The single in the worked solution's digits, where the row rounds it.
    const NumberWriter numbers(record.locale);
    for (std::size_t index = 0; index < record.quotients.size(); ++index) {
        const float full = record.quotients[index];
        if (full != record.shownSolutions[index])
            lines[static_cast<qsizetype>(index)]
                += qtText(texts::kReadResultFull).arg(labelText(Runs { numberRun(numbers.single(full)) }));
    }
    if (worked_->outdated)
        lines << outdatedNote(*worked_);
    else if (!warning_.isEmpty())
        lines << warning_;
    boxes_.inform(window_, qtText(texts::kReadResultsTitle), lines.join(QLatin1Char('\n')));
}

void SolutionActions::showWorking()
{
    if (!worked_)
        return;
    if (!working_) {
        auto* working = new WorkingWindow(boxes_, window_);
        if (!withExactValues([&] { working->showSolution(*worked_); })) {
            delete working;
            return;
        }
        working_ = working;
        working_->setZoom(zoom_.factor());
        connect(&zoom_, &ZoomController::zoomChanged, working_, &WorkingWindow::setZoom);
    }
    working_->show();
    working_->raise();
    working_->activateWindow();
}

} // namespace cramer
