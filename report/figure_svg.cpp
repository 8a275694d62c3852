// SPDX-License-Identifier: GPL-3.0-or-later

// A drawing as SVG for HTML: text as plain Unicode (x₁, −, ·10⁻⁷),
// sizes in points, and the description as the picture's accessible name.

#include "report/figure.h"
#include "report/working_document.h"

#include <QStringBuilder>

namespace cramer {
namespace {

QString n(double value) { return QString::number(value, 'f', 2); }

QString xmlEscaped(const QString& text) { return text.toHtmlEscaped(); }

const QString kHatch = QStringLiteral("cramer-hatch");

} // namespace

QString drawingAsSvg(const Drawing& drawing)
{
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" width=\"")
        % n(drawing.width) % QStringLiteral("pt\" height=\"") % n(drawing.height)
        % QStringLiteral("pt\" viewBox=\"0 0 ") % n(drawing.width) % QLatin1Char(' ') % n(drawing.height)
        % QStringLiteral("\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n<title>")
        % xmlEscaped(drawing.description) % QStringLiteral("</title>\n");
    bool hatched = false;
    for (const Shape& shape : drawing.shapes)
        hatched = hatched || shape.hatched;
    if (hatched)
        svg += QStringLiteral("<defs><pattern id=\"") % kHatch
            % QStringLiteral(
                "\" patternUnits=\"userSpaceOnUse\" width=\"4\" height=\"4\" "
                "patternTransform=\"rotate(45)\"><line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"4\" stroke=\"")
            % inkColour(Ink::Axis) % QStringLiteral("\" stroke-width=\"0.6\"/></pattern></defs>\n");
    for (const Shape& shape : drawing.shapes) {
        QStringList corners;
        for (const DrawnPoint& corner : shape.corners)
            corners << n(corner.x) % QLatin1Char(',') % n(corner.y);
        const QString points = corners.join(QLatin1Char(' '));
        svg += QStringLiteral("<polygon points=\"") % points % QStringLiteral("\" fill=\"")
            % inkColour(shape.fill) % QStringLiteral("\" stroke=\"") % inkColour(shape.edge)
            % QStringLiteral("\" stroke-width=\"0.5\"/>\n");
        if (shape.hatched)
            svg += QStringLiteral("<polygon points=\"") % points % QStringLiteral("\" fill=\"url(#") % kHatch
                % QStringLiteral(")\"/>\n");
    }
    for (const Stroke& stroke : drawing.strokes) {
        const QString colour = inkColour(stroke.ink);
        svg += QStringLiteral("<line x1=\"") % n(stroke.from.x) % QStringLiteral("\" y1=\"")
            % n(stroke.from.y) % QStringLiteral("\" x2=\"") % n(stroke.to.x) % QStringLiteral("\" y2=\"")
            % n(stroke.to.y) % QStringLiteral("\" stroke=\"") % colour % QStringLiteral("\" stroke-width=\"")
            % n(stroke.width) % (stroke.dashed ? QStringLiteral("\" stroke-dasharray=\"5,3") : QString())
            % QStringLiteral("\"/>\n");
        if (stroke.arrow) {
            const auto head = arrowHead(stroke);
            svg += QStringLiteral("<polygon points=\"") % n(head[0].x) % QLatin1Char(',') % n(head[0].y)
                % QLatin1Char(' ') % n(head[1].x) % QLatin1Char(',') % n(head[1].y) % QLatin1Char(' ')
                % n(head[2].x) % QLatin1Char(',') % n(head[2].y) % QStringLiteral("\" fill=\"") % colour
                % QStringLiteral("\"/>\n");
        }
    }
    for (const Dot& dot : drawing.dots)
        svg += QStringLiteral("<circle cx=\"") % n(dot.centre.x) % QStringLiteral("\" cy=\"")
            % n(dot.centre.y) % QStringLiteral("\" r=\"") % n(dot.radius) % QStringLiteral("\" fill=\"")
            % inkColour(dot.ink) % QStringLiteral("\"/>\n");
    for (const Label& label : drawing.labels) {
        const DrawnPoint start = baselineStart(label, 0.0);
        const QString anchor = label.across == Label::Across::Start ? QStringLiteral("start")
            : label.across == Label::Across::Middle                 ? QStringLiteral("middle")
                                                                    : QStringLiteral("end");
        svg += QStringLiteral("<text x=\"") % n(start.x) % QStringLiteral("\" y=\"") % n(start.y)
            % QStringLiteral("\" font-size=\"") % n(label.size) % QStringLiteral("\" text-anchor=\"") % anchor
            % QStringLiteral("\" fill=\"") % inkColour(label.ink) % QStringLiteral("\">")
            % xmlEscaped(labelText(label.text)) % QStringLiteral("</text>\n");
    }
    return svg + QStringLiteral("</svg>");
}

} // namespace cramer
