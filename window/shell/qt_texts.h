// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace cramer {

// Qt's own texts (the cells' context menus, dialog buttons, file dialogs) in
// Bulgarian like every other text of the program, whatever the locale.
// Returns whether Qt's Bulgarian translation was found.
bool installBulgarianQtTexts();

} // namespace cramer
