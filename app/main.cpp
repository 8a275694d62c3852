// SPDX-License-Identifier: GPL-3.0-or-later

#include "batch.h"
#include "command_line.h"
#include "report/language.h"
#include "report/texts.h"
#include "window/form/picture.h"
#include "window/shell/exercises.h"
#include "window/shell/main_window.h"
#include "window/shell/program_style.h"
#include "window/shell/language_choice.h"
#include "window/shell/system_files.h"
#include "window/shell/zoom_controller.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {

QStringList heldBack;
QtMessageHandler qtHandler = nullptr;

// While the window system is opened: Qt's own lines are held back, and a
// platform that cannot be opened ends the program with one line of ours
// instead of Qt's advice to reinstall.
void platformMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs(cramer::texts::qtText(cramer::texts::kPlatformFailed).toLocal8Bit().constData(), stderr);
        std::fputc('\n', stderr);
        std::_Exit(1);
    }
    Q_UNUSED(context);
    heldBack << message;
}

// The language --language names, else the one chosen last in the window;
// installed, or nothing when --language names none the program has.
bool installChosenLanguage(
    const QCommandLineParser& parser, cramer::QtTexts qt = cramer::QtTexts::Translated)
{
    const QString name = parser.value(QStringLiteral("language"));
    const std::optional<cramer::Language> language
        = name.isEmpty() ? cramer::rememberedLanguage() : cramer::languageNamed(name);
    cramer::installLanguage(language.value_or(cramer::rememberedLanguage()), qt);
    if (language)
        return true;
    std::fprintf(stderr, "%s: %s\n", CRAMER_EXECUTABLE,
        qPrintable(cramer::textInEvery(cramer::texts::kLanguageRefused).arg(name)));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral(CRAMER_EXECUTABLE));
    QCoreApplication::setOrganizationName(QStringLiteral(CRAMER_EXECUTABLE)); // settings in ~/.config/cramer/
    QCoreApplication::setApplicationVersion(QStringLiteral(CRAMER_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    cramer::describeCommandLine(parser);
    if (cramer::asksForInformationOnly(arguments)) {
        QCoreApplication application(argc, argv);
        parser.parse(arguments); // Qt's options are not known here: ignore them
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion();
        // Described again in the language chosen; Qt's headings as Qt
        // writes them, which scripts that read the help expect.
        if (!installChosenLanguage(parser, cramer::QtTexts::AsQtWritesThem))
            return 1;
        QCommandLineParser help;
        cramer::describeCommandLine(help);
        help.showHelp();
    }

    if (cramer::asksForBatch(arguments))
        return cramer::runBatch(argc, argv, arguments);

    // Without a display the command line is still answered, and the user
    // hears what is missing.
    if (!cramer::hasDisplay(cramer::chosenPlatforms(arguments, qEnvironmentVariable("QT_QPA_PLATFORM")),
            qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"))) {
        QCoreApplication application(argc, argv);
        const QStringList ours = cramer::withoutQtOptions(arguments);
        const bool parsed = parser.parse(ours);
        if (!installChosenLanguage(parser))
            return 1;
        if (!parsed) {
            std::fprintf(
                stderr, "%s: %s\n", CRAMER_EXECUTABLE, qPrintable(cramer::optionErrorMessage(parser, ours)));
            return 1;
        }
        std::fputs(cramer::texts::qtText(cramer::texts::kNoDisplay).toLocal8Bit().constData(), stderr);
        std::fputc('\n', stderr);
        return 1;
    }

    const bool styleChosen = cramer::userChoseStyle(arguments, qEnvironmentVariable("QT_STYLE_OVERRIDE"));
    qtHandler = qInstallMessageHandler(platformMessages);
    QApplication application(argc, argv); // takes Qt's own options out of the arguments
    qInstallMessageHandler(qtHandler);
    for (const QString& message : std::as_const(heldBack))
        qWarning("%s", qPrintable(message));
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!installChosenLanguage(parser))
        return 1;
    if (!parsed) {
        std::fprintf(stderr, "%s: %s\n", CRAMER_EXECUTABLE,
            qPrintable(cramer::optionErrorMessage(parser, QCoreApplication::arguments())));
        return 1;
    }
    QGuiApplication::setDesktopFileName(QStringLiteral(CRAMER_APPLICATION_ID));
    QGuiApplication::setWindowIcon(cramer::applicationIcon());
    // Fusion draws the cells and options in the colours the window gives
    // them on every desktop; a style the user asks for is respected.
    if (!styleChosen)
        QApplication::setStyle(cramer::makeProgramStyle());

    cramer::ModalMessageBoxes boxes;
    cramer::MainWindow window(boxes);
    window.zoom().restore();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.zoom().fitInto(screen->availableGeometry());
    window.show();
    if (parser.isSet(QStringLiteral("seed")))
        window.exercises().setSeed(parser.value(QStringLiteral("seed")).toULongLong());
    if (!parser.positionalArguments().isEmpty())
        window.files().open(parser.positionalArguments().constFirst());
    return QApplication::exec();
}
