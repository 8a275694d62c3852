// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// While a solve rewrites the grid, cell by cell, the text changes of the
// cells are kept from screen readers: they say nothing a listener can use
// (the boxes say which determinant is shown), and their flood makes Orca
// drop the events that matter, so that a box opens unspoken. Focus and
// every other widget's events go through as ever.

namespace cramer {

class QuietCells {
public:
    QuietCells();
    ~QuietCells();
    QuietCells(const QuietCells&) = delete;
    QuietCells& operator=(const QuietCells&) = delete;
};

} // namespace cramer
