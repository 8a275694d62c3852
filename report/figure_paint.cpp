// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/figure_paint.h"

#include "report/working_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(std::shared_ptr<const cramer::Drawing>)

namespace cramer {
namespace {

constexpr int kFigureFormat = QTextFormat::UserObject + 1;
constexpr int kDrawingProperty = QTextFormat::UserProperty + 1;
constexpr double kHatchSpacing = 3.5;
constexpr const char* kDarkProperty = "cramerDarkFigures";

QPointF pointOf(const DrawnPoint& p) { return { p.x, p.y }; }

QPolygonF polygonOf(const std::vector<DrawnPoint>& corners)
{
    QPolygonF polygon;
    for (const DrawnPoint& corner : corners)
        polygon << pointOf(corner);
    return polygon;
}

// Diagonal lines drawn one by one: a pattern brush would follow the
// device's pixels, too fine to see on a printer.
void hatch(QPainter& painter, const QPolygonF& polygon, const QColor& colour)
{
    QPainterPath clip;
    clip.addPolygon(polygon);
    painter.save();
    painter.setClipPath(clip, Qt::IntersectClip);
    painter.setPen(QPen(colour, 0.5));
    const QRectF box = polygon.boundingRect();
    for (double offset = -box.height(); offset < box.width(); offset += kHatchSpacing)
        painter.drawLine(QPointF(box.left() + offset, box.bottom()),
            QPointF(box.left() + offset + box.height(), box.top()));
    painter.restore();
}

} // namespace

void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target, bool dark)
{
    if (drawing.width <= 0.0 || drawing.height <= 0.0)
        return;
    const double scale = std::min(target.width() / drawing.width, target.height() / drawing.height);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.left() + (target.width() - drawing.width * scale) / 2,
        target.top() + (target.height() - drawing.height * scale) / 2);
    painter.scale(scale, scale);
    const auto colour = [dark](Ink ink) { return QColor(inkColour(ink, dark)); };

    for (const Shape& shape : drawing.shapes) {
        const QPolygonF polygon = polygonOf(shape.corners);
        painter.setPen(QPen(colour(shape.edge), 0.5));
        painter.setBrush(colour(shape.fill));
        painter.drawPolygon(polygon);
        if (shape.hatched)
            hatch(painter, polygon, colour(Ink::Axis));
    }
    for (const Stroke& stroke : drawing.strokes) {
        QPen pen(colour(stroke.ink), stroke.width, Qt::SolidLine, Qt::FlatCap);
        if (stroke.dashed)
            pen.setDashPattern({ 5.0 / stroke.width, 3.0 / stroke.width });
        painter.setPen(pen);
        painter.drawLine(pointOf(stroke.from), pointOf(stroke.to));
        if (stroke.arrow) {
            const auto head = arrowHead(stroke);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour(stroke.ink));
            painter.drawPolygon(QPolygonF { pointOf(head[0]), pointOf(head[1]), pointOf(head[2]) });
        }
    }
    for (const Dot& dot : drawing.dots) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour(dot.ink));
        painter.drawEllipse(pointOf(dot.centre), dot.radius, dot.radius);
    }
    // Sizes in the drawing's units whatever the device's resolution.
    const double dpi = painter.device() ? painter.device()->logicalDpiY() : 96.0;
    QFont font = painter.font();
    for (const Label& label : drawing.labels) {
        font.setPointSizeF(label.size * 72.0 / dpi);
        painter.setFont(font);
        painter.setPen(colour(label.ink));
        const QString text = labelText(label.text);
        const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
        painter.drawText(pointOf(baselineStart(label, width)), text);
    }
    painter.restore();
}

void FigureObjects::registerWith(QTextDocument* document)
{
    static const int registered = qRegisterMetaType<std::shared_ptr<const Drawing>>();
    Q_UNUSED(registered);
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    if (!layout->handlerForObject(kFigureFormat))
        layout->registerHandler(kFigureFormat, new FigureObjects(document));
}

void FigureObjects::setDark(QTextDocument* document, bool dark)
{
    document->setProperty(kDarkProperty, dark);
}

void FigureObjects::insert(QTextCursor& cursor, const Drawing& drawing)
{
    QTextCharFormat format;
    format.setObjectType(kFigureFormat);
    format.setProperty(kDrawingProperty, QVariant::fromValue(std::make_shared<const Drawing>(drawing)));
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

QSizeF FigureObjects::intrinsicSize(QTextDocument* document, int, const QTextFormat& format)
{
    const auto drawing = format.property(kDrawingProperty).value<std::shared_ptr<const Drawing>>();
    if (!drawing)
        return {};
    const QSizeF size = QSizeF(drawing->width, drawing->height) * kPixelsPerPoint;
    // No wider than the text: a narrow window shows the picture smaller.
    const qreal available = document->pageSize().width() - 2 * document->documentMargin();
    return available > 0 && size.width() > available ? size * (available / size.width()) : size;
}

void FigureObjects::drawObject(
    QPainter* painter, const QRectF& rect, QTextDocument* document, int, const QTextFormat& format)
{
    if (const auto drawing = format.property(kDrawingProperty).value<std::shared_ptr<const Drawing>>())
        paintDrawing(*painter, *drawing, rect, document->property(kDarkProperty).toBool());
}

} // namespace cramer
