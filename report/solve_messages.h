// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "solver/cramer_sequence.h"

#include <QString>

namespace cramer {

// "коефициента пред x2 в уравнение 1", "свободния член на уравнение 3":
// the place of a cell of a system of n equations, as messages name it.
QString cellPlace(int row, int column, int n);

// Which value left the single-precision range, up to `largest` (the
// largest single as the user reads it), and, on the next line, what to do.
QString overflowMessage(const OverflowError& error, const QString& largest);

} // namespace cramer
