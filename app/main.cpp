#include "window/form1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Fusion draws the frames, cells and options in the colours the window
    // gives them on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    cramer::ModalMessageBoxes boxes;
    cramer::Form1 window(boxes);
    window.show();
    return QApplication::exec();
}
