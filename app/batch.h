// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program without a window: --solve writes a system's worked solution,
// --new-exercise a new system. Only PDF needs Qt's GUI module, on its
// offscreen platform; nothing needs a display.

#include <QStringList>

class QCommandLineParser;

namespace cramer {

// A missing library ends the program as an output it cannot write does.
enum BatchExit { Solved = 0, BadInput = 1, Singular = 2, Overflow = 3, CannotWrite = 4, LibraryMissing = 4 };

int runBatch(int argc, char* argv[], const QStringList& arguments);

// Why `parser` refused `arguments`, in the program's words.
QString optionErrorMessage(const QCommandLineParser& parser, const QStringList& arguments);

} // namespace cramer
