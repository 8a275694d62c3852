// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <QCommandLineParser>

#include <algorithm>

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

void describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Solves a system of 2 to 9 linear equations by Cramer's rule and shows every determinant "
        "on the way.\nQt's standard options, such as -style and -platform, work too; see cramer(1).\n\n"
        "Without a window: --solve FILE writes the worked solution, --new-exercise N a new system,\n"
        "--worksheet N a worksheet of N variants for a class (--format also ods or xlsx; the seed used\n"
        "goes to standard error).\n"
        "FILE is CSV or text as spreadsheets write it, or an .ods or .xlsx workbook (the sheet shown when\n"
        "it was saved, else the first that holds a system; --sheet names another). --format decides the\n"
        "form, whatever the output's name.\n"
        "Exit status: 0 solved (or written), 1 bad input or options, 2 singular (the method found d = 0,\n"
        "or d is exactly 0; the verdict goes to standard error, the CSV is empty), 3 a number beyond\n"
        "single precision, typed or computed (no CSV), 4 the output cannot be written, or a library\n"
        "the program needs (GMP, MPFR, libzip) is missing."));
    // Not Qt's help option: its --help-all would list Qt's options only
    // where a window system has been opened.
    parser.addOption(QCommandLineOption({ QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help") },
        QStringLiteral("Displays help on commandline options.")));
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(QStringLiteral("solve"),
        QStringLiteral(
            "Solves the system in <file> (CSV, ODS or XLSX; - for standard input) without a window."),
        QStringLiteral("file")));
    parser.addOption(QCommandLineOption(QStringLiteral("sheet"),
        QStringLiteral("Reads the workbook's sheet <name>, hidden or not."), QStringLiteral("name")));
    parser.addOption(QCommandLineOption(QStringLiteral("format"),
        QStringLiteral("What --solve writes: text (the default), html, latex, pdf, or csv (x1 ... xn)."),
        QStringLiteral("form"), QStringLiteral("text")));
    parser.addOption(QCommandLineOption(QStringLiteral("output"),
        QStringLiteral("Writes to <file> instead of standard output."), QStringLiteral("file")));
    parser.addOption(QCommandLineOption(QStringLiteral("locale"),
        QStringLiteral(
            "Numbers as <name> writes them (bg_BG, en_US, C, ...); the default is the environment's "
            "(LC_ALL, LC_NUMERIC, LANG)."),
        QStringLiteral("name")));
    parser.addOption(QCommandLineOption(QStringLiteral("language"),
        QStringLiteral("The words of the window and of what --solve and --worksheet write: bg (Bulgarian, the "
                       "default) or en (English). The window otherwise speaks the language last chosen in "
                       "its View menu."),
        QStringLiteral("code")));
    parser.addOption(QCommandLineOption(QStringLiteral("new-exercise"),
        QStringLiteral("Writes a new exercise of <n> equations (2 ... 9) as CSV."), QStringLiteral("n")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("fractions"), QStringLiteral("The new exercise's solution has simple fractions.")));
    parser.addOption(QCommandLineOption(QStringLiteral("seed"),
        QStringLiteral("Makes new exercises from <number>: the same ones every time."),
        QStringLiteral("number")));
    parser.addOption(QCommandLineOption(QStringLiteral("worksheet"),
        QStringLiteral("Writes a worksheet of <n> different variants (1 ... 60) of one kind of system."),
        QStringLiteral("n")));
    parser.addOption(QCommandLineOption(QStringLiteral("size"),
        QStringLiteral("The worksheet's number of equations (2 ... 9; 3 by default)."), QStringLiteral("n")));
    parser.addOption(QCommandLineOption(QStringLiteral("answers"),
        QStringLiteral("The worksheet's answers: integers (the default), fractions or decimals."),
        QStringLiteral("kind")));
    parser.addOption(QCommandLineOption(QStringLiteral("singular"),
        QStringLiteral("none (the default), or some: about one variant in five has no solution or infinitely "
                       "many."),
        QStringLiteral("share")));
    parser.addOption(QCommandLineOption(QStringLiteral("range"),
        QStringLiteral("The worksheet's coefficients within -<r> ... <r> (1 ... 99; 9 by default)."),
        QStringLiteral("r")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("key"), QStringLiteral("Adds the answer key to the worksheet, on pages of its own.")));
    parser.addOption(QCommandLineOption(QStringLiteral("solutions"),
        QStringLiteral("Adds every variant's worked solution to the worksheet.")));
    parser.addOption(QCommandLineOption(QStringLiteral("per-page"),
        QStringLiteral("Variants on a page of the worksheet: 1, 2 (the default) or 4."),
        QStringLiteral("n")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("title"), QStringLiteral("The worksheet's title."), QStringLiteral("text")));
    parser.addPositionalArgument(
        QStringLiteral("file"), QStringLiteral("A system to open in the window."), QStringLiteral("[file]"));
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
