// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A determinant as a student works it out by hand: Gaussian elimination with
// exact fractions, the first non-zero entry from the top as each pivot, and
// the line with most zeros for an expansion instead.

#include "solver/exact_working.h"

#include <vector>

namespace cramer {

struct HandPivot {
    int column = 0;
    int exchangedWith = 0; // the row exchanged with row `column` first; 0 for none
    Rational value;
};

struct HandElimination {
    // One per column while the pivots are non-zero: fewer than n when d = 0.
    std::vector<HandPivot> pivots;
    // An odd number of exchanges: d is minus the product of the pivots.
    bool negated = false;
};

// Of the matrix of d (index 0) or d_i, from the numbers as typed.
HandElimination eliminateByHand(const ExactWorking& working, int n, int index);

// The row or column of that matrix with most zeros (rows first on a tie).
struct ZeroLine {
    bool row = true;
    int number = 1;
    int zeros = 0;
};
ZeroLine mostZeros(const ExactWorking& working, int n, int index);

} // namespace cramer
