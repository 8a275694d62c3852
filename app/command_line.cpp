// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <QCommandLineParser>

#include <algorithm>

namespace cramer {

bool asksForInformationOnly(const QStringList& arguments)
{
    static const QStringList kInformation { QStringLiteral("-h"), QStringLiteral("-?"),
        QStringLiteral("--help"), QStringLiteral("--help-all"), QStringLiteral("-v"),
        QStringLiteral("--version") };
    const QStringList options = arguments.mid(1);
    return std::any_of(options.begin(), options.end(),
        [](const QString& argument) { return kInformation.contains(argument); });
}

bool userChoseStyle(const QStringList& arguments, const QString& styleOverride)
{
    if (!styleOverride.isEmpty())
        return true;
    const QStringList options = arguments.mid(1);
    return std::any_of(options.begin(), options.end(), [](const QString& argument) {
        for (const QString& name : { QStringLiteral("-style"), QStringLiteral("--style") }) {
            if (argument == name || argument.startsWith(name + QLatin1Char('=')))
                return true;
        }
        return false;
    });
}

void describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Solves a system of 2 to 9 linear equations by Cramer's rule and shows every determinant "
        "on the way.\nQt's standard options, such as -style and -platform, work too; see cramer(1)."));
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace cramer
