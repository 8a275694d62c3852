// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a window of the program opens: beside the form, not over its grid.

class QRect;
class QWidget;

namespace cramer {

// Moves `window`, shown, beside `form`'s window on the
// same screen: right of it where there is room, else left of it, else at
// the screen's edge where it hides the least of `keep` (the grid, in screen
// coordinates), and of two alike on the roomier side; its top level with
// the form's, within the screen.
void placeBeside(QWidget* window, const QWidget* form, const QRect& keep);

} // namespace cramer
