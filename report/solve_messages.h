// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "solver/cramer_sequence.h"

#include <QString>

namespace cramer {

// "коефициента пред x2 в уравнение 1", "свободния член на уравнение 3":
// the place of a cell of a system of n equations, as messages name it.
QString cellPlace(int row, int column, int n);

// The largest single, as `locale` writes it: the bound every message of a
// value out of range names.
QString largestSingleText(const NumberLocale& locale);

// What is wrong with a cell of the grid of n equations: empty, no number,
// or beyond single precision. The window, practice and the batch mode say it alike.
QString badCellMessage(const CellError& error, int n, const NumberLocale& locale);

// Which value left the single-precision range, up to `largest` (the
// largest single as the user reads it), and, on the next line, what to do.
QString overflowMessage(const OverflowError& error, const QString& largest);

} // namespace cramer
