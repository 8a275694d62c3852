// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "solver/number_text.h"

namespace cramer {

// The separators of the user's locale, as numbers are typed and shown.
NumberLocale userNumberLocale();

} // namespace cramer
