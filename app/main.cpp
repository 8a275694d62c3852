// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form1.h"
#include "window/picture.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>

#include <string_view>

namespace {

bool hasArgument(int argc, char* argv[], std::initializer_list<std::string_view> names, bool withValue = false)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        for (std::string_view name : names) {
            if (argument == name || (withValue && argument.starts_with(name) && argument[name.size()] == '='))
                return true;
        }
    }
    return false;
}

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Solves a system of 2 to 9 linear equations by Cramer's rule and shows every determinant on the way."));
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral(CRAMER_EXECUTABLE));
    QCoreApplication::setApplicationVersion(QStringLiteral(CRAMER_VERSION));

    // Help and version need no display: answer them before the window
    // system is opened.
    if (hasArgument(argc, argv, { "-h", "-?", "--help", "--help-all", "-v", "--version" })) {
        QCoreApplication application(argc, argv);
        QCommandLineParser parser;
        describe(parser);
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion();
        parser.showHelp();
    }

    // Qt's own options (-style, -platform, …) are taken out of the arguments here.
    const bool styleChosen = !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")
        || hasArgument(argc, argv, { "-style", "--style" }, true);
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(CRAMER_APPLICATION_ID));
    QGuiApplication::setWindowIcon(cramer::applicationIcon());
    QCommandLineParser parser;
    describe(parser);
    parser.process(application);

    // Fusion draws the cells and options in the colours the window gives
    // them on every desktop; a style the user asks for is respected.
    if (!styleChosen)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    cramer::ModalMessageBoxes boxes;
    cramer::Form1 window(boxes);
    window.show();
    return QApplication::exec();
}
