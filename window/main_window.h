// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's main window: the menu bar and its actions, the title, and
// the windows beside the form. Form1 below the menu bar stays the form it
// always was and only tells this window when a solve's worked solution is
// ready or gone.

#include "window/form1.h"
#include "window/message_boxes.h"
#include "window/worked_solution.h"

#include <QMainWindow>

#include <optional>

class QAction;

namespace cramer {

class WorkingWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `boxes` must outlive the window.
    explicit MainWindow(MessageBoxes& boxes, QWidget* parent = nullptr);

    struct Actions {
        QAction* quit = nullptr;
        QAction* paste = nullptr;
        QAction* copySolution = nullptr;
        QAction* copySolutionAsLatex = nullptr;
        QAction* showWorking = nullptr;
        QAction* about = nullptr;
    };

    Form1* form() const { return form_; }
    const Actions& actions() const { return actions_; }
    // The last solve that reached its end, worked out; none after a clear.
    const WorkedSolution* workedSolution() const { return worked_ ? &*worked_ : nullptr; }
    // Until it is first asked for, there is none.
    WorkingWindow* workingWindow() const { return working_; }

    void copySolution() const;
    void copySolutionAsLatex() const;
    void showWorking();
    void showAbout();

private:
    void createActions();
    void createMenus();
    void updateActions();
    void takeLastSolve();
    void markOutdated();

    MessageBoxes& boxes_;
    Form1* form_ = nullptr;
    Actions actions_;
    std::optional<WorkedSolution> worked_;
    WorkingWindow* working_ = nullptr;
};

} // namespace cramer
