// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the windows share in handing the user a file or the clipboard.

#include <QString>

#include <initializer_list>

namespace cramer {

// `path` ends in one of `suffixes` ("html"), in any case.
bool hasSuffix(const QString& path, std::initializer_list<const char*> suffixes);
// `path` as it is where it ends in one of `suffixes`, else with the first
// added: the type chosen in a save dialog decides, and a name typed
// without its suffix, or with another type's, gets it.
QString withSuffix(const QString& path, std::initializer_list<const char*> suffixes);

// On the clipboard as plain text and as HTML, for editors and word
// processors alike.
void copyTextAndHtml(const QString& text, const QString& html);

} // namespace cramer
