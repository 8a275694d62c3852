// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a window of the program opens: beside the form, not over its grid.

class QWidget;

namespace cramer {

// Moves `window`, shown, beside `form`'s window on the
// same screen: right of it where there is room, else left of it, else at
// the screen's edge on the roomier side, where it hides the least of the
// form; its top level with the form's, within the screen.
void placeBeside(QWidget* window, const QWidget* form);

} // namespace cramer
