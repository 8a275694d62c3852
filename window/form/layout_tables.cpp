// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/layout_tables.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace cramer::tables {

QRect toPixels(const TwipsRect& rect)
{
    return { toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height) };
}

Scale::Scale(double factor)
    : factor_(std::clamp(factor, kSmallest, kLargest))
{
}

int Scale::pixels(int twips) const
{
    if (factor_ == 1.0)
        return toPixels(twips);
    // The epsilon keeps a quotient that is whole from landing just below it.
    return static_cast<int>(std::floor(twips * factor_ / kTwipsPerPixel + 1e-9));
}

QRect Scale::rect(const TwipsRect& twips) const
{
    return { pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height) };
}

int Scale::scaled(int designPixels) const
{
    return std::max(1, static_cast<int>(std::lround(designPixels * factor_)));
}

QSize formSizeAt(double factor)
{
    const Scale scale(factor);
    return { scale.pixels(kClientWidth), scale.pixels(kClientHeight) };
}

namespace {
ColourSet currentColourSet = ColourSet::Specified;
} // namespace

void setColourSet(ColourSet set) { currentColourSet = set; }
ColourSet colourSet() { return currentColourSet; }

QColor toQColor(std::uint32_t colour, const QPalette& desktop)
{
    if (currentColourSet == ColourSet::Contrast)
        for (const ContrastColour& entry : kContrastColours)
            if (entry.specified == colour)
                colour = entry.contrast;
    switch (colour) {
    case kWindowBackground:
        return desktop.color(QPalette::Base);
    case kWindowText:
        return desktop.color(QPalette::Text);
    case kButtonFace:
        return desktop.color(QPalette::Button);
    case kButtonText:
        return desktop.color(QPalette::ButtonText);
    default:
        return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }
}

namespace {

double relativeLuminance(const QColor& colour)
{
    auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableOn(const QColor& wanted, const QColor& background, double minimum)
{
    if (contrastRatio(wanted, background) >= minimum)
        return wanted;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QColor foregroundColour(
    std::uint32_t colour, const QColor& background, double minimum, const QPalette& desktop)
{
    const QColor resolved = toQColor(colour, desktop);
    return isSystemColour(colour) ? readableOn(resolved, background, minimum) : resolved;
}

namespace {

int nominalPixelSize(FontKind kind)
{
    // Points at 96 dpi: 9.75 pt = 13 px, 12 pt = 16 px, 13.5 pt = 18 px, 18 pt = 24 px.
    switch (kind) {
    case FontKind::Window:
    case FontKind::List:
        return 13;
    case FontKind::Control:
    case FontKind::Attribution:
        return 16;
    case FontKind::HeadingSmall:
        return 18;
    case FontKind::HeadingLetter:
        return 24;
    }
    return 16;
}

} // namespace

QFont makeFont(FontKind kind, const Scale& scale)
{
    // Liberation Sans has Cyrillic glyphs and Arial's metrics; it stands in
    // for both faces of the design, with DejaVu Sans as a fallback.
    QFont font;
    font.setFamilies(QStringList {
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans") });
    font.setPixelSize(scale.scaled(nominalPixelSize(kind)));
    font.setBold(true);
    font.setItalic(kind == FontKind::Attribution);
    // Every text of the form is Cyrillic, Latin, digits and signs, all in
    // the faces above: no other font is searched for a missing glyph, which
    // spares loading each font's fallback list.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace cramer::tables
