// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Typing a system faster: blocks of numbers pasted into the grid, Enter, Up
// and Down between cells.

#include <QObject>

namespace cramer {

class Form1;
class MessageBoxes;
struct TextBlock;

class GridInput : public QObject {
public:
    // Takes the pastes and moves of `form`'s cells; `boxes` must outlive it.
    GridInput(Form1& form, MessageBoxes& boxes);

    // The clipboard's text into the grid at cell (row, column): a single
    // cell as in any line edit; at (1, 1) a system, read as the same text
    // opened as a file; any other block as far as it fits, or a message.
    void paste(int row, int column);
    // Enter: the next cell of the system in reading order, wrapping round.
    void moveToNext(int row, int column);
    // Up and Down: the cell above or below, within the grid.
    void moveVertically(int row, int column, int rows);

private:
    // Says so where a text of `block` pasted at (row, column) is longer
    // than a cell holds.
    bool refusedAsTooLong(const TextBlock& block, int row, int column);
    bool isInUse(int row, int column) const;
    void focusCell(int row, int column);

    Form1& form_;
    MessageBoxes& boxes_;
};

} // namespace cramer
