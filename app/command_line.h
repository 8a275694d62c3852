// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program's command line asks for. Read before the window system
// is opened, so that help and version need no display.

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace cramer {

// -h, -?, --help, --help-all, -v, --version.
bool asksForInformationOnly(const QStringList& arguments);

// A style chosen by the user: Qt's -style option in any of its spellings, or
// the QT_STYLE_OVERRIDE environment variable.
bool userChoseStyle(const QStringList& arguments, const QString& styleOverride);

// The program's description and its help and version options.
void describeCommandLine(QCommandLineParser& parser);

} // namespace cramer
