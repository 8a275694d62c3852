// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/working_export.h"

#include "report/pdf_file.h"
#include "report/texts.h"
#include "report/working_forms.h"
#include "report/working_typeset.h"
#include "sheets/file_name.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

namespace cramer {

namespace {
// Glyphs as the characters they are, as in the text's own font.
QFont unshaped(int points)
{
    QFont font(QStringLiteral("Liberation Serif"), points);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setKerning(false);
    // Advances as the font designs them, on paper and in the PDF alike.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

const QFont& footerFont()
{
    static const QFont font = unshaped(9);
    return font;
}
} // namespace

std::vector<PageSlice> typesetPages(
    const WorkingDocument& document, QPageLayout& layout, const QPaintDevice& device, QTextDocument& text)
{
    // Laid out without kerning or ligatures, each character its own glyph:
    // the text is Cyrillic and Latin, which need no shaping, and a PDF
    // writes the glyphs as the characters they are.
    text.setDefaultFont(unshaped(11));
    const int dpi = device.logicalDpiX();
    const qreal scale = dpi / 96.0;
    // The page number's line below the text of every page.
    const qreal footer = 2.0 * QFontMetricsF(footerFont(), &device).height();
    auto layOut = [&] {
        const QRect area = layout.paintRectPixels(dpi);
        const TypesetPages pages { area.width() / scale, (area.height() - footer) / scale };
        return typesetWorking(document, text, &pages);
    };
    // A matrix too wide even when set smaller turns the pages to landscape.
    if (!layOut() && layout.orientation() == QPageLayout::Portrait) {
        layout.setOrientation(QPageLayout::Landscape);
        layOut();
    }
    const qreal height = (layout.paintRectPixels(dpi).height() - footer) / scale;
    std::vector<PageSlice> pages = pageSlices(text, height);
    // Never a page lost: a plan that fails its check gives way to pages cut
    // wherever they fall.
    if (!pagePlanHolds(text, pages, height))
        pages = plainPages(text, height);
    return pages;
}

std::vector<PageSlice> typesetPages(
    const WorkingDocument& document, QPagedPaintDevice& device, QTextDocument& text)
{
    if (device.pageLayout().margins().isNull())
        device.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    QPageLayout layout = device.pageLayout();
    std::vector<PageSlice> pages = typesetPages(document, layout, device, text);
    device.setPageOrientation(layout.orientation());
    return pages;
}

namespace {

// One page of `text`, laid out at 96 dpi, in `painter`'s page coordinates
// of `dpi`; the page number at the foot of `page`.
void paintPage(QPainter& painter, const QTextDocument& text, const std::vector<PageSlice>& pages,
    std::size_t number, qreal dpi, const QRectF& page)
{
    const qreal scale = dpi / 96.0;
    const PageSlice& slice = pages[number];
    const QRectF clip(0, slice.top, text.pageSize().width(), slice.bottom - slice.top);
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    painter.translate(0, -clip.top());
    painter.setClipRect(clip);
    // Blocks that only touch the page's edges belong to the next or the last.
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip.adjusted(0, 0.5, 0, -0.5);
    text.documentLayout()->draw(&painter, context);
    painter.restore();
    painter.drawText(page, Qt::AlignRight | Qt::AlignBottom,
        QStringLiteral("%1 / %2").arg(QString::number(number + 1), QString::number(pages.size())));
}

// Room to punch and bind, and more than any printer clips.
QPageLayout a4()
{
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

// Every page of `text` on `device`, each after the first begun by its newPage.
template <typename Device>
void paintPages(Device& device, const QTextDocument& text, const std::vector<PageSlice>& pages)
{
    QPainter painter(&device);
    painter.setFont(footerFont());
    for (std::size_t number = 0; number < pages.size(); ++number) {
        if (number > 0)
            device.newPage();
        paintPage(painter, text, pages, number, device.logicalDpiX(),
            QRectF(0, 0, device.width(), device.height()));
    }
}

} // namespace

void printWorking(const WorkingDocument& document, QPagedPaintDevice& device)
{
    QTextDocument text;
    const std::vector<PageSlice> pages = typesetPages(document, device, text);
    paintPages(device, text, pages);
}

QImage pagePreview(const WorkingDocument& document, int width)
{
    // Laid out on an A4 PDF page, as printed, and painted in the picture.
    PdfFile pdf(a4());
    QPageLayout layout = pdf.pageLayout();
    QTextDocument text;
    const std::vector<PageSlice> pages = typesetPages(document, layout, pdf, text);
    const QRectF paper = layout.fullRectPoints();
    const qreal dpi = width / (paper.width() / 72.0);
    QImage image(width, qRound(paper.height() / 72.0 * dpi), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont footer = footerFont();
    footer.setPixelSize(std::max(1, qRound(9 * dpi / 72.0)));
    painter.setFont(footer);
    const QRectF margins = layout.paintRect(QPageLayout::Point);
    const QRectF page(margins.left() / 72.0 * dpi, margins.top() / 72.0 * dpi, margins.width() / 72.0 * dpi,
        margins.height() / 72.0 * dpi);
    paintPage(painter, text, pages, 0, dpi, page);
    return image;
}

QByteArray workingBytes(const WorkingDocument& document, WorkingFormat format)
{
    switch (format) {
    case WorkingFormat::Text:
        return workingAsPlainText(document).toUtf8();
    case WorkingFormat::Html:
        return workingAsHtml(document).toUtf8();
    case WorkingFormat::Latex:
        return workingAsLatex(document).toUtf8();
    case WorkingFormat::Pdf:
        break;
    }
    PdfFile pdf(a4());
    pdf.setTitle(document.title);
    pdf.setCreator(QStringLiteral("cramer"));
    QPageLayout layout = pdf.pageLayout();
    QTextDocument text;
    const std::vector<PageSlice> pages = typesetPages(document, layout, pdf, text);
    pdf.setPageLayout(layout);
    paintPages(pdf, text, pages);
    return pdf.bytes();
}

FileError writeWorking(const WorkingDocument& document, WorkingFormat format, const QString& path)
{
    const QByteArray bytes = workingBytes(document, format);
    return writeFileAtomically(
        localFile(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace cramer
