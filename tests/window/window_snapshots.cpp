// Renders the window to PNG files: at start, laid out for nine, under the
// announcement of d_2 of a 3 × 3 system, and with the results of that system.
// Usage: window_snapshots OUTPUT_DIRECTORY

#include "window_test_support.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStyleFactory>

#include <cstdio>

using namespace cramer;
using testing_support::ShownMessage;
using testing_support::TestWindow;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    auto save = [&](Form1& form, const char* name) {
        const QString path = out.filePath(QString::fromLatin1(name));
        if (!form.grab().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    };

    TestWindow window;
    window.form->show();
    save(*window.form, "start.png");
    window.layOut(9);
    for (int row = 1; row <= 9; ++row)
        for (int column = 1; column <= 10; ++column)
            window.form->cell(row, column)
                ->setText(row == 9 && column == 10 ? "-1.234568E+07" : QString::number(row * column));
    save(*window.form, "layout9.png");

    window.layOut(3);
    window.type({ { "2", "1", "1", "4" }, { "1", "3", "2", "6" }, { "1", "0", "0", "1" } });
    window.boxes.whileOpen = [&](const ShownMessage&) {
        if (window.boxes.shown.size() == 3)
            save(*window.form, "announce-d2.png");
    };
    window.solve();
    save(*window.form, "result.png");
    return 0;
}
