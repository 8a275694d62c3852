// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's main window: the menu bar and its actions, the title, and
// the windows beside the form. Form1 below the menu bar stays the form it
// always was and only tells this window when a solve's worked solution is
// ready or gone.

#include "report/worked_solution.h"
#include "window/form1.h"
#include "window/message_boxes.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QAction;

namespace cramer {

class Exercises;
class HelpWindow;
class FormArea;
class SystemFiles;
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
        QAction* guide = nullptr;
        QAction* zoomIn = nullptr;
        QAction* zoomOut = nullptr;
        QAction* zoomNormal = nullptr;
    };

    // The steps of "Увеличи" and "Намали".
    static constexpr std::array<double, 13> kZoomSteps { 0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75,
        2.0, 2.5, 3.0 };
    // What a window manager's title bar and borders take, at most, around
    // the window: kept free when the window is fitted to a screen.
    static constexpr QSize kFrameAllowance { 16, 48 };

    Form1* form() const { return form_; }
    const Actions& actions() const { return actions_; }
    // The last solve that reached its end, worked out; none after a clear.
    const WorkedSolution* workedSolution() const { return worked_ ? &*worked_ : nullptr; }
    // Until it is first asked for, there is none.
    WorkingWindow* workingWindow() const { return working_; }
    SystemFiles& files() const { return *files_; }
    Exercises& exercises() const { return *exercises_; }

    // Zoom chosen by hand: remembered, and the window sized to the form
    // (a maximised window holds the form up to its own size).
    void zoomByHand(double factor);
    // At start: the zoom last chosen by hand, if any.
    void restoreZoom();
    // At start: the largest zoom, up to the current one, at which the window
    // and its frame fit into `available`, and the window sized to it.
    void fitInto(const QRect& available);
    QSize windowSizeAt(double zoom) const;

    void copySolution() const;
    void copySolutionAsLatex() const;
    void showWorking();
    void showAbout();
    void showGuide();
    HelpWindow* helpWindow() const { return help_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void updateActions();
    // The menu's Paste: at the cell that has the focus, or else at the first cell.
    void pasteAtCurrentCell();
    void takeSolve(const SolveRecord& record);
    // An edit of the solved system's cells: every form of it says so.
    void markOutdated(int row, int column);
    void zoomStep(int direction);
    void applyZoom(double factor);
    void areaResized(QSize size);

    MessageBoxes& boxes_;
    Form1* form_ = nullptr;
    FormArea* area_ = nullptr;
    SystemFiles* files_ = nullptr;
    Exercises* exercises_ = nullptr;
    Actions actions_;
    std::optional<WorkedSolution> worked_;
    WorkingWindow* working_ = nullptr;
    HelpWindow* help_ = nullptr;
};

} // namespace cramer
