#include "window/layout_tables.h"

#include <QStringList>

namespace cramer::tables {

QRect toPixels(const TwipsRect& rect)
{
    return { toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height) };
}

QColor toQColor(std::uint32_t colour, const QPalette& desktop)
{
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

QFont makeFont(FontKind kind)
{
    // Liberation Sans has Cyrillic glyphs and Arial's metrics; it stands in
    // for both faces of the design, with DejaVu Sans as a fallback.
    QFont font;
    font.setFamilies(QStringList {
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans") });
    font.setPixelSize(nominalPixelSize(kind));
    font.setBold(true);
    font.setItalic(kind == FontKind::Attribution);
    return font;
}

} // namespace cramer::tables
