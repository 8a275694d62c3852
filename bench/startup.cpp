// SPDX-License-Identifier: GPL-3.0-or-later

// Builds and shows a window, waits for its first painted frame and exits.
// Built three times: with the program's window; with an empty window of the
// same size (the baseline); and with that window showing one line of text,
// which tells what any window pays for fonts alone.

#include "report/language.h"
#include "window/form/layout_tables.h"
#include "window/form/picture.h"
#include "window/shell/main_window.h"
#include "window/shell/program_style.h"
#include "window/shell/zoom_controller.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>

namespace {

class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    FirstFrame firstFrame;
#ifdef STARTUP_SHOWS_FORM1
    QApplication::setStyle(cramer::makeProgramStyle());
    // As the program starts: its id and icon, Qt's Bulgarian texts, then the
    // window at the zoom the screen holds.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.cramerrule.cramer"));
    QGuiApplication::setWindowIcon(cramer::applicationIcon());
    cramer::installLanguage(cramer::Language::Bulgarian);
    cramer::ModalMessageBoxes boxes;
    cramer::MainWindow window(boxes);
    window.zoom().restore();
    window.zoom().fitInto(QGuiApplication::primaryScreen()->availableGeometry());
#else
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
#ifdef STARTUP_SHOWS_TEXT
    QLabel text(QString::fromUtf8("РЕШИ СИСТЕМАТА"), &window);
#endif
    window.setFixedSize(cramer::tables::toPixels(cramer::tables::kClientWidth),
        cramer::tables::toPixels(cramer::tables::kClientHeight));
#endif
    window.installEventFilter(&firstFrame);
    window.show();
    return QApplication::exec();
}
