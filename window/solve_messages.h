// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "solver/cramer_sequence.h"

#include <QString>

namespace cramer {

// Which value left the single-precision range, up to `largest` (the
// largest single as the user reads it), and, on the next line, what to do.
QString overflowMessage(const OverflowError& error, const QString& largest);

} // namespace cramer
