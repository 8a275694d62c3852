// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The style the program draws with: Fusion, which paints the cells and
// options in the window's own colours on every desktop, with the icons of
// controls that are seldom shown loaded when first painted rather than at
// start, and the frames and indicators of the many alike cells and
// options drawn once and copied.

class QStyle;

namespace cramer {

QStyle* makeProgramStyle();

} // namespace cramer
