// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "solver/system_file.h"

#include <QString>

namespace cramer {

// What is wrong with `path`, in one Bulgarian sentence that names the place
// (line and field, or sheet and cell) where there is one; a bound on
// numbers as `locale` writes them.
QString fileErrorMessage(const FileError& error, const QString& path, const NumberLocale& locale);

// Why the system refused to read or write, in Bulgarian for the common
// reasons, else in the system's own words.
QString systemErrorText(const FileError& error);


} // namespace cramer
