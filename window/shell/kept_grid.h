// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The grid as the window closed, kept in the data folder: closing never
// asks and never loses typed numbers. The next start shows the form as it
// always starts, with the kept grid one Undo away.

#include "window/shell/grid_history.h"

#include <QString>

#include <optional>

namespace cramer {

struct KeptGrid {
    GridState state;
    QString file; // the file the grid came from, or empty
    std::optional<TypedSystem> inFile; // that file's system, to tell what changed since
    bool operator==(const KeptGrid&) const = default;
};

QString keptGridPath();

// Writes `grid` atomically, the folder made if need be; false where it
// cannot be written.
bool keepGrid(const KeptGrid& grid, const QString& path = keptGridPath());
// Nothing where no grid was kept, or the file is not one this program wrote.
std::optional<KeptGrid> keptGrid(const QString& path = keptGridPath());

// A grid worth keeping: a number or text typed in any cell.
bool holdsTyping(const GridState& state);

} // namespace cramer
