// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include "report/texts.h"

#include <QCommandLineParser>

#include <algorithm>
#include <array>

namespace cramer {

bool asksForInformationOnly(const QStringList& arguments)
{
    static const QStringList kInformation { QStringLiteral("-h"), QStringLiteral("-?"),
        QStringLiteral("--help"), QStringLiteral("-v"), QStringLiteral("--version") };
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

namespace {

// QGuiApplication's and QApplication's own options (Qt's documentation of
// both classes), those that take a value first.
const QStringList kQtOptionsWithValue { QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"), QStringLiteral("qmljsdebugger"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"), QStringLiteral("qwindowtitle"),
    QStringLiteral("session"), QStringLiteral("style"), QStringLiteral("stylesheet"),
    QStringLiteral("display"), QStringLiteral("geometry") };
const QStringList kQtFlags { QStringLiteral("reverse"), QStringLiteral("widgetcount"),
    QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync") };

// "-style", "--style" and "-style=…" give "style"; anything else nothing.
QString qtOptionName(const QString& argument)
{
    if (!argument.startsWith(QLatin1Char('-')))
        return {};
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    name = name.left(name.indexOf(QLatin1Char('=')));
    return kQtOptionsWithValue.contains(name) || kQtFlags.contains(name) ? name : QString();
}

} // namespace

QStringList withoutQtOptions(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString name = i == 0 ? QString() : qtOptionName(arguments[i]);
        if (name.isEmpty()) {
            kept << arguments[i];
            continue;
        }
        if (kQtOptionsWithValue.contains(name) && !arguments[i].contains(QLatin1Char('=')))
            ++i; // its value
    }
    return kept;
}

QStringList chosenPlatforms(const QStringList& arguments, const QString& platformVariable)
{
    QString chosen;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (qtOptionName(arguments[i]) != QStringLiteral("platform"))
            continue;
        const qsizetype equals = arguments[i].indexOf(QLatin1Char('='));
        chosen = equals >= 0 ? arguments[i].mid(equals + 1) : arguments.value(i + 1);
    }
    if (chosen.isEmpty())
        chosen = platformVariable;
    if (chosen.isEmpty())
        return { QStringLiteral("xcb"), QStringLiteral("wayland") };
    QStringList platforms;
    for (const QString& entry : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        platforms << entry.section(QLatin1Char(':'), 0, 0); // without the plugin's own options
    return platforms;
}

bool hasDisplay(const QStringList& platforms, const QString& display, const QString& waylandDisplay)
{
    return std::any_of(platforms.begin(), platforms.end(), [&](const QString& platform) {
        if (platform == QStringLiteral("xcb"))
            return !display.isEmpty();
        if (platform.startsWith(QStringLiteral("wayland")))
            return !waylandDisplay.isEmpty();
        return true;
    });
}

namespace {

// An option: its names, what --help says of it, its value's name, and its
// value when not given.
struct CommandLineOption {
    std::array<const char*, 3> names;
    texts::Text description;
    const char* valueName = nullptr;
    const char* defaultValue = nullptr;
};

const CommandLineOption kOptions[] = {
    { { "solve" }, texts::kHelpSolve, "file" },
    { { "sheet" }, texts::kHelpSheet, "name" },
    { { "format" }, texts::kHelpFormat, "form", "text" },
    { { "output" }, texts::kHelpOutput, "file" },
    { { "locale" }, texts::kHelpLocale, "name" },
    { { "language" }, texts::kHelpLanguage, "code" },
    { { "new-exercise" }, texts::kHelpNewExercise, "n" },
    { { "fractions" }, texts::kHelpFractions },
    { { "seed" }, texts::kHelpSeed, "number" },
    { { "worksheet" }, texts::kHelpWorksheet, "n" },
    { { "size" }, texts::kHelpSize, "n" },
    { { "answers" }, texts::kHelpAnswers, "kind" },
    { { "singular" }, texts::kHelpSingular, "share" },
    { { "range" }, texts::kHelpRange, "r" },
    { { "key" }, texts::kHelpKey },
    { { "solutions" }, texts::kHelpSolutions },
    { { "per-page" }, texts::kHelpPerPage, "n" },
    { { "title" }, texts::kHelpTitle, "text" },
};

QCommandLineOption option(const CommandLineOption& entry)
{
    QStringList names;
    for (const char* name : entry.names)
        if (name)
            names << QString::fromLatin1(name);
    return QCommandLineOption(names, texts::qtText(entry.description),
        entry.valueName ? QString::fromLatin1(entry.valueName) : QString(),
        entry.defaultValue ? QString::fromLatin1(entry.defaultValue) : QString());
}

} // namespace

void describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(texts::qtText(texts::kHelpDescription));
    // Not Qt's help option: its --help-all would list Qt's options only
    // where a window system has been opened.
    parser.addOption(option({ { "h", "?", "help" }, texts::kHelpHelp }));
    parser.addVersionOption();
    for (const CommandLineOption& entry : kOptions)
        parser.addOption(option(entry));
    parser.addPositionalArgument(
        QStringLiteral("file"), texts::qtText(texts::kHelpFile), QStringLiteral("[file]"));
}

bool asksForBatch(const QStringList& arguments)
{
    const QStringList options = withoutQtOptions(arguments).mid(1);
    return std::any_of(options.begin(), options.end(), [](const QString& argument) {
        for (const QString& name :
            { QStringLiteral("--solve"), QStringLiteral("--new-exercise"), QStringLiteral("--worksheet") }) {
            if (argument == name || argument.startsWith(name + QLatin1Char('=')))
                return true;
        }
        return false;
    });
}

} // namespace cramer
