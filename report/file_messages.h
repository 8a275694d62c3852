// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "solver/system_file.h"

#include <QString>

namespace cramer {

// What is wrong with `path`, in one Bulgarian sentence that names the place
// (line and field, or sheet and cell) where there is one.
QString fileErrorMessage(const FileError& error, const QString& path);

} // namespace cramer
