// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace cramer {

// A text of the user's as a message quotes it: control and other invisible
// characters written as U+0001 and the like, and the whole cut with "…"
// after `longest` characters, so that the box stays readable.
QString quotedForMessage(const QString& text, int longest = 40);

} // namespace cramer
