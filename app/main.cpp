// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"
#include "window/main_window.h"
#include "window/picture.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral(CRAMER_EXECUTABLE));
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
        parser.showHelp();
    }

    const bool styleChosen = cramer::userChoseStyle(arguments, qEnvironmentVariable("QT_STYLE_OVERRIDE"));
    QApplication application(argc, argv); // takes Qt's own options out of the arguments
    parser.process(application);
    QGuiApplication::setDesktopFileName(QStringLiteral(CRAMER_APPLICATION_ID));
    QGuiApplication::setWindowIcon(cramer::applicationIcon());
    // Fusion draws the cells and options in the colours the window gives
    // them on every desktop; a style the user asks for is respected.
    if (!styleChosen)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    cramer::ModalMessageBoxes boxes;
    cramer::MainWindow window(boxes);
    window.show();
    return QApplication::exec();
}
