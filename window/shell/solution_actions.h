// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worked solution of the last solve and what can be done with it: copy
// the short solution (text and HTML, or LaTeX) and show the working in a
// window of its own, which follows every new solve.

#include "report/worked_solution.h"

#include <QObject>

#include <functional>

#include <optional>

class QAction;
class QWidget;

namespace cramer {

class Announcer;
class CommandGate;
class Form1;
class MessageBoxes;
class WorkingWindow;
class ZoomController;

class SolutionActions : public QObject {
    Q_OBJECT
public:
    SolutionActions(
        Form1& form, MessageBoxes& boxes, CommandGate& gate, ZoomController& zoom, QWidget* window);

    QAction* copyAction() const { return copy_; }
    QAction* copyAsLatexAction() const { return copyAsLatex_; }
    // The results in a box, which a screen reader speaks: the result rows
    // as a keyboard reaches them.
    QAction* readResultsAction() const { return readResults_; }
    QAction* showWorkingAction() const { return showWorking_; }

    // The last solve that reached its end, worked out; none after a clear.
    const WorkedSolution* worked() const { return worked_ ? &*worked_ : nullptr; }
    // Until it is first asked for, there is none.
    WorkingWindow* workingWindow() const { return working_; }

    void copy() const;
    void copyAsLatex() const;
    void showWorking();

    // One line on the last solve's trustworthiness: a warning where single
    // precision got some x wrong, empty otherwise.
    QString reliabilityWarning() const { return warning_; }

signals:
    void reliabilityWarningChanged(const QString& warning);

private:
    void take(const SolveRecord& record);
    // An edit of the solved system's cells: every form of it says so.
    void markOutdated(int row, int column);
    void updateActions();
    void readResults() const;
    // "x1 = 1" … as the result rows show them.
    QStringList resultLines() const;
    void setWarning(const QString& warning);
    // Runs `use`, which needs the exact values; a missing library is said
    // in a box, and the rest of the program goes on.
    bool withExactValues(const std::function<void()>& use) const;

    MessageBoxes& boxes_;
    CommandGate& gate_;
    ZoomController& zoom_;
    QWidget* window_;
    Announcer* announcer_;
    QAction* copy_ = nullptr;
    QAction* copyAsLatex_ = nullptr;
    QAction* readResults_ = nullptr;
    QAction* showWorking_ = nullptr;
    std::optional<WorkedSolution> worked_;
    WorkingWindow* working_ = nullptr;
    QString warning_;
};

} // namespace cramer
