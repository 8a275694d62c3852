// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every control of the form, built from the layout tables and found by the
// index rules (rows, columns, label numbers and k counted from 1). The form
// owns the widgets as their parent; this set only knows where they are.

#include "window/form/controls.h"
#include "window/form/layout_tables.h"

#include <array>
#include <cstdint>
#include <vector>

class QAction;
template <typename T> class QList;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace cramer {

class ScaledLayout;

class FormControls {
public:
    // Builds every frame, option, cell, label, command, the list, the
    // picture and the bars on `form`, each placed through `layout`, and
    // chains the tab order by the controls' names.
    FormControls(QWidget* form, ScaledLayout& layout);

    GridCell* cell(int row, int column) const { return cells_.at(row).at(column); }
    CaptionLabel* label(int number) const { return labels_.at(number); }
    QRadioButton* option(int k) const { return options_.at(k); }
    QPushButton* command(int number) const { return commands_.at(number); }
    BarLine* line(int number) const { return lines_.at(number); }
    QListWidget* methodList() const { return methodList_; }
    // Rows 1 … n, columns 1 … n + 1, row by row: the cells of a system.
    std::vector<GridCell*> systemCells(int n) const;

    // Below the editing entries of every cell's context menu, and the
    // context menu of the grid and result bands.
    void setGridMenuActions(const QList<QAction*>& actions) const;

private:
    void createFrames(QWidget* form);
    void createSizeOptions();
    void createGrid();
    void createResultRows();
    void createFixedLabels();
    void createCommands();
    void createMethodList();
    void createPicture();
    void createLines();
    void createTabOrder();

    QGroupBox* frame(tables::Band band) const { return frames_.at(static_cast<std::size_t>(band)); }
    CaptionLabel* addLabel(int number, tables::Band band, const tables::TwipsRect& rect,
        tables::FontKind font, std::uint32_t background, std::uint32_t textColour);

    ScaledLayout& layout_;
    std::array<QGroupBox*, 3> frames_ {};
    std::array<std::array<GridCell*, tables::kGridColumns + 1>, tables::kGridRows + 1> cells_ {};
    std::array<CaptionLabel*, tables::kLabelCount + 1> labels_ {};
    std::array<QRadioButton*, 9> options_ {};
    std::array<QPushButton*, 4> commands_ {};
    std::array<BarLine*, 4> lines_ {};
    QListWidget* methodList_ = nullptr;
};

} // namespace cramer
