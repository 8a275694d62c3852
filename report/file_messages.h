// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheets/system_file.h"

#include <QString>

namespace cramer {

class MissingLibrary;

// What is wrong with `path`, in one Bulgarian sentence that names the place
// (line and field, or sheet and cell) where there is one; a bound on
// numbers as `locale` writes them.
QString fileErrorMessage(const FileError& error, const QString& path, const NumberLocale& locale);

// The exact values cannot be made: which library is missing, and the
// package to install.
QString missingLibraryMessage(const MissingLibrary& missing);

// Why the system refused to read or write, in Bulgarian for the common
// reasons, else in the system's own words.
QString systemErrorText(const FileError& error);

} // namespace cramer
