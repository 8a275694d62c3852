// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/picture.h"

#include "window/form/layout_tables.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QResource>

namespace cramer {

void paintKeyboardSmiley(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(60, 40, 0), 2);

    // Face.
    painter.setPen(outline);
    painter.setBrush(QColor(255, 214, 0));
    painter.drawEllipse(QRectF(22, 6, 66, 66));

    // Large round glasses with a bridge and arms.
    painter.setPen(QPen(QColor(30, 30, 30), 3));
    painter.setBrush(QColor(210, 235, 255, 170));
    painter.drawEllipse(QRectF(30, 24, 22, 22));
    painter.drawEllipse(QRectF(58, 24, 22, 22));
    painter.drawLine(QPointF(52, 33), QPointF(58, 33));
    painter.drawLine(QPointF(30, 33), QPointF(23, 30));
    painter.drawLine(QPointF(80, 33), QPointF(87, 30));

    // Eyes behind the lenses.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    painter.drawEllipse(QRectF(38, 32, 6, 7));
    painter.drawEllipse(QRectF(66, 32, 6, 7));

    // Smile.
    painter.setPen(QPen(QColor(120, 30, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(38, 38, 34, 24), 200 * 16, 140 * 16);

    // Keyboard in front, with three rows of keys.
    painter.setPen(QPen(QColor(70, 70, 70), 1.5));
    painter.setBrush(QColor(190, 190, 190));
    QPainterPath board;
    board.moveTo(16, 82);
    board.lineTo(94, 82);
    board.lineTo(104, 104);
    board.lineTo(6, 104);
    board.closeSubpath();
    painter.drawPath(board);
    painter.setBrush(QColor(245, 245, 245));
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    for (int row = 0; row < 3; ++row) {
        const qreal top = 85 + row * 6.3;
        const qreal inset = 16 - row * 3.3;
        const qreal keyWidth = (kSmileySide - 2 * inset) / 10.0;
        for (int key = 0; key < 10; ++key)
            painter.drawRect(QRectF(inset + key * keyWidth + 0.8, top, keyWidth - 1.6, 4.6));
    }

    // Hands on the keys.
    painter.setPen(outline);
    painter.setBrush(QColor(255, 214, 0));
    painter.drawEllipse(QRectF(26, 78, 16, 11));
    painter.drawEllipse(QRectF(68, 78, 16, 11));
    painter.restore();
}

void paintApplicationIcon(QPainter& painter, int side)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = side / 32.0;
    const QRectF tile(margin, margin, side - 2 * margin, side - 2 * margin);
    painter.setPen(QPen(QColor(0, 150, 150), side / 48.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(tile, side / 8.0, side / 8.0);
    painter.translate(tile.topLeft());
    painter.scale(tile.width() / kSmileySide, tile.height() / kSmileySide);
    paintKeyboardSmiley(painter);
    painter.restore();
}

QImage buildTimePixels(const QString& resource, QSize size)
{
    const QResource pixels(resource);
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression
        || pixels.size() != qint64 { size.width() } * size.height() * 4)
        return {};
    return QImage(
        pixels.data(), size.width(), size.height(), size.width() * 4, QImage::Format_ARGB32_Premultiplied);
}

namespace {

// Paints the icon at whatever size is asked for, when it is asked for. The
// sizes a window system takes are painted at build time by this same code
// (kRenderedIconSides); where the program carries their pixels, they are
// read rather than painted again at every start.
class ApplicationIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        if (mode == QIcon::Normal && size.height() == size.width()) {
            const QImage rendered
                = buildTimePixels(QStringLiteral(":/icons/%1.argb").arg(size.width()), size);
            if (!rendered.isNull())
                return QPixmap::fromImage(rendered);
        }
        return QIconEngine::pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kRenderedIconSides)
            sizes.append(QSize(side, side));
        return sizes;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(rect.width(), rect.height());
        painter->save();
        painter->translate(rect.topLeft());
        paintApplicationIcon(*painter, side);
        painter->restore();
    }
    QIconEngine* clone() const override { return new ApplicationIconEngine; }
};

} // namespace

QIcon applicationIcon() { return QIcon(new ApplicationIconEngine); }

void paintPicture(QPainter& painter, QSize size)
{
    painter.fillRect(QRect(QPoint(), size), Qt::white);
    painter.scale(qreal(size.width()) / kSmileySide, qreal(size.height()) / kSmileySide);
    paintKeyboardSmiley(painter);
}

QSize designPictureSize() { return tables::toPixels(tables::kPictureRect).size(); }

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (devicePixelRatioF() == 1.0 && size() == designPictureSize()) {
        static const QImage rendered
            = buildTimePixels(QStringLiteral(":/picture/design.argb"), designPictureSize());
        if (!rendered.isNull()) {
            painter.drawImage(0, 0, rendered);
            return;
        }
    }
    paintPicture(painter, size());
}

} // namespace cramer
