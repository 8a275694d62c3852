// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One encoding of a file's name between Qt and the file system: the
// locale's, as QFile opens files, so that a name read from a dialog or the
// command line names the same file in either.

#include <QFile>
#include <QString>

#include <filesystem>

namespace cramer {

inline std::filesystem::path localFile(const QString& name) { return QFile::encodeName(name).toStdString(); }

} // namespace cramer
