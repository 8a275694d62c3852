// SPDX-License-Identifier: GPL-3.0-or-later

// A drawing as a tikzpicture: the coordinates in points with y downwards,
// as the drawing has them; labels as text with their mathematics inline.

#include "report/figure.h"
#include "report/working_document.h"
#include "report/working_forms.h"

#include <QStringBuilder>

namespace cramer {
namespace {

QString n(double value) { return QString::number(value, 'f', 2); }
QString at(const DrawnPoint& p)
{
    return QLatin1Char('(') % n(p.x) % QLatin1Char(',') % n(p.y) % QLatin1Char(')');
}

QString colourName(Ink ink)
{
    switch (ink) {
    case Ink::Axis:
        return QStringLiteral("figaxis");
    case Ink::Text:
        return QStringLiteral("figtext");
    case Ink::FirstLine:
        return QStringLiteral("figfirst");
    case Ink::SecondLine:
        return QStringLiteral("figsecond");
    case Ink::Point:
        return QStringLiteral("figpoint");
    case Ink::PositiveFill:
        return QStringLiteral("figpositive");
    case Ink::NegativeFill:
        return QStringLiteral("fignegative");
    }
    return {};
}

QString anchorOf(const Label& label)
{
    static const char* const kAnchors[3][3] = {
        { "south west", "south", "south east" },
        { "west", "center", "east" },
        { "north west", "north", "north east" },
    };
    return QString::fromLatin1(kAnchors[static_cast<int>(label.along)][static_cast<int>(label.across)]);
}

} // namespace

QString drawingAsTikz(const Drawing& drawing)
{
    QString tikz = QStringLiteral("\\begin{tikzpicture}[x=1pt,y=-1pt]\n");
    for (Ink ink : { Ink::Axis, Ink::Text, Ink::FirstLine, Ink::SecondLine, Ink::Point, Ink::PositiveFill,
             Ink::NegativeFill })
        tikz += QStringLiteral("\\definecolor{") % colourName(ink) % QStringLiteral("}{HTML}{")
            % inkColour(ink).mid(1).toUpper() % QStringLiteral("}\n");
    // The drawing's own bounds, so that the picture takes its whole size.
    tikz += QStringLiteral("\\path (0,0) rectangle ") % at({ drawing.width, drawing.height })
        % QStringLiteral(";\n");
    for (const Shape& shape : drawing.shapes) {
        QStringList corners;
        for (const DrawnPoint& corner : shape.corners)
            corners << at(corner);
        const QString path = corners.join(QStringLiteral(" -- ")) % QStringLiteral(" -- cycle;\n");
        tikz += QStringLiteral("\\filldraw[fill=") % colourName(shape.fill) % QStringLiteral(", draw=")
            % colourName(shape.edge) % QStringLiteral(", line width=0.5pt] ") % path;
        if (shape.hatched)
            tikz += QStringLiteral("\\fill[pattern=north east lines, pattern color=") % colourName(Ink::Axis)
                % QStringLiteral("] ") % path;
    }
    for (const Stroke& stroke : drawing.strokes) {
        tikz += QStringLiteral("\\draw[") % colourName(stroke.ink) % QStringLiteral(", line width=")
            % n(stroke.width) % QStringLiteral("pt")
            % (stroke.dashed ? QStringLiteral(", dash pattern=on 5pt off 3pt") : QString())
            % QStringLiteral("] ") % at(stroke.from) % QStringLiteral(" -- ") % at(stroke.to)
            % QStringLiteral(";\n");
        if (stroke.arrow) {
            const auto head = arrowHead(stroke);
            tikz += QStringLiteral("\\fill[") % colourName(stroke.ink) % QStringLiteral("] ") % at(head[0])
                % QStringLiteral(" -- ") % at(head[1]) % QStringLiteral(" -- ") % at(head[2])
                % QStringLiteral(" -- cycle;\n");
        }
    }
    for (const Dot& dot : drawing.dots)
        tikz += QStringLiteral("\\fill[") % colourName(dot.ink) % QStringLiteral("] ") % at(dot.centre)
            % QStringLiteral(" circle[radius=") % n(dot.radius) % QStringLiteral("pt];\n");
    for (const Label& label : drawing.labels)
        tikz += QStringLiteral("\\node[anchor=") % anchorOf(label) % QStringLiteral(", inner sep=0pt, text=")
            % colourName(label.ink) % QStringLiteral(", font=\\fontsize{") % n(label.size)
            % QStringLiteral("}{") % n(label.size * 1.2) % QStringLiteral("}\\selectfont] at ") % at(label.at)
            % QStringLiteral(" {") % runsAsLatex(label.text) % QStringLiteral("};\n");
    return tikz + QStringLiteral("\\end{tikzpicture}");
}

} // namespace cramer
