// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/qt_texts.h"

#include "report/language.h"

namespace cramer {

bool installBulgarianQtTexts() { return installLanguage(Language::Bulgarian); }

} // namespace cramer
