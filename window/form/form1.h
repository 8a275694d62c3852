// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's one window: the size selector, the grid in which systems
// are typed and determinants shown, the commands and the result rows.
// A click flows: grid texts → SystemStore → determinant → Cramer sequence →
// CramerDisplay (this window) → cells, labels, bars and message boxes.

#include "solver/cramer_sequence.h"
#include "solver/system_store.h"
#include "solver/typed_system.h"
#include "window/form/form_controls.h"
#include "window/form/layout_tables.h"
#include "window/form/message_boxes.h"
#include "window/form/scaled_layout.h"

#include <QWidget>

class QAction;
template <typename T> class QList;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace cramer {

class GridInput;

class Form1 : public QWidget {
    Q_OBJECT
public:
    // `boxes` must outlive the window.
    explicit Form1(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Controls by their index rules (rows, columns and k counted from 1).
    GridCell* cell(int row, int column) const { return controls_.cell(row, column); }
    CaptionLabel* label(int number) const { return controls_.label(number); }
    QRadioButton* option(int k) const { return controls_.option(k); }
    QPushButton* command(int number) const { return controls_.command(number); }
    BarLine* line(int number) const { return controls_.line(number); }
    QListWidget* methodList() const { return controls_.methodList(); }
    const SystemStore& store() const { return store_; }

    // Event handlers.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // Empties every cell text and every label but the two fixed ones, puts
    // the bars to rest.
    void iz4istitext();
    // Paints every cell green.
    void iz4isticwet();
    // Colours rows 1 … n, columns 1 … n + 1 and captions their operators.
    void layOutFor(int n);
    // Shows the leading n × n block between the bars, on a fresh clear.
    void pokajideterminanta(const Matrix& matrix, int n);
    // Writes rows 1 … n, columns 1 … n + 1 back in the entry layout for
    // n = SystemSize.
    void pokajisistemata(const Matrix& matrix);
    // A number as the user's locale writes it.
    QString numberText(float value) const;
    // "d", the index (none for 0) and "=" beside the determinant.
    void showDeterminantHeading(int index);
    void showResultRows(int n, const Vector& numerators, float mainDeterminant, const Vector& solutions);

    // Pastes and moves between the cells.
    GridInput& gridInput() const { return *gridInput_; }

    // The whole form at `factor` (0.5 … 3) of its designed size: every
    // position, size, font, bar and the picture. At 1 it is the design.
    void setZoom(double factor) { layout_.setZoom(factor); }
    double zoom() const { return layout_.scale().factor(); }

    // The system as the grid holds it: SystemSize and the texts of its cells.
    TypedSystem typedSystem() const;
    // Lays the grid out for system.n, with its option selected, and types
    // the system in (a new system: the last solve is gone).
    void enterSystem(const TypedSystem& system);
    // Every cell of the laid-out system holds something.
    bool holdsSystem() const;
    // The size the selected option stands for.
    int selectedSize() const;

    // A command is running (a message box of it is open): take no other.
    bool isBusy() const { return commandRunning_; }
    // Below the editing entries of every cell's context menu, and the
    // context menu of the grid and result bands.
    void setGridMenuActions(const QList<QAction*>& actions) { controls_.setGridMenuActions(actions); }

signals:
    // A solve reached its end: solved, or stopped at d = 0.
    void solveFinished(const SolveRecord& record);
    // Laid out, cleared, filled anew, or about to be solved again: any
    // earlier solve no longer stands.
    void gridReset();
    // The user changed a cell of the laid-out system.
    void cellEdited(int row, int column);
    // A command laid the grid out, cleared it or filled it anew.
    void gridReplaced();

private:
    void connectCells();

    MessageBoxes& boxes_;
    ScaledLayout layout_;
    SystemStore store_;
    NumberLocale numberLocale_;
    bool commandRunning_ = false;

    FormControls controls_;
    GridInput* gridInput_ = nullptr;
};

} // namespace cramer
