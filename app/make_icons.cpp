// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's icon into OUTPUT/hicolor/NxN/apps/ID.png for the
// usual sizes, at build time, from the same drawing as the window's icon,
// and the sides the window system takes into OUTPUT/window/N.argb: the
// pixels as the window reads them, premultiplied ARGB32, row by row; and
// the form's picture at the design's zoom into OUTPUT/window/picture.argb.
// Usage: make_icons OUTPUT ID

#include "window/form/picture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT ID\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);
    auto painted = [](int side) {
        QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        cramer::paintApplicationIcon(painter, side);
        return icon;
    };
    for (int side : { 16, 22, 24, 32, 48, 64, 128, 256, 512 }) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(output, QString::number(side));
        if (!QDir().mkpath(folder) || !painted(side).save(QStringLiteral("%1/%2.png").arg(folder, id))) {
            std::fprintf(stderr, "cannot write the %dx%d icon into %s\n", side, side, qPrintable(folder));
            return 1;
        }
    }
    // The pixels the window reads at start, as it would paint them.
    const QString window = output + QStringLiteral("/window");
    auto writePixels = [&window](const QImage& image, const QString& name) {
        QFile raw(QStringLiteral("%1/%2.argb").arg(window, name));
        if (QDir().mkpath(window) && raw.open(QIODevice::WriteOnly)
            && raw.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes())
                == image.sizeInBytes())
            return true;
        std::fprintf(stderr, "cannot write %s\n", qPrintable(raw.fileName()));
        return false;
    };
    for (int side : cramer::kRenderedIconSides) {
        if (!writePixels(painted(side), QString::number(side)))
            return 1;
    }
    const QSize size = cramer::designPictureSize();
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    cramer::paintPicture(painter, size);
    painter.end();
    if (!writePixels(picture, QStringLiteral("picture")))
        return 1;
    return 0;
}
