// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program's command line asks for. Read before the window system
// is opened, so that help and version need no display.

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace cramer {

// -h, -?, --help, -v, --version.
bool asksForInformationOnly(const QStringList& arguments);

// A style chosen by the user: Qt's -style option in any of its spellings, or
// the QT_STYLE_OVERRIDE environment variable.
bool userChoseStyle(const QStringList& arguments, const QString& styleOverride);

// The arguments without the window-system options that QApplication takes
// itself (-platform, -style, -reverse, …, with or without their values), so
// that the rest can be read before a display is opened.
QStringList withoutQtOptions(const QStringList& arguments);

// The window systems Qt would try, in order: -platform, else
// QT_QPA_PLATFORM (a list separated by ";"), else the desktop's own.
QStringList chosenPlatforms(const QStringList& arguments, const QString& platformVariable);

// Whether one of `platforms` has a display to open a window on: xcb needs
// DISPLAY, wayland WAYLAND_DISPLAY; any other platform is left to Qt.
bool hasDisplay(const QStringList& platforms, const QString& display, const QString& waylandDisplay);

// The program's description, its options and its exit codes.
void describeCommandLine(QCommandLineParser& parser);

// --solve or --new-exercise: work without a window.
bool asksForBatch(const QStringList& arguments);

} // namespace cramer
