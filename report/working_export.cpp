// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/working_export.h"

#include "report/texts.h"
#include "report/working_typeset.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace cramer {

namespace {
const QFont& footerFont()
{
    static const QFont font(QStringLiteral("Liberation Serif"), 9);
    return font;
}
} // namespace

void typesetPages(const WorkingDocument& document, QPagedPaintDevice& device, QTextDocument& text)
{
    if (device.pageLayout().margins().isNull())
        device.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    text.setDefaultFont(QFont(QStringLiteral("Liberation Serif"), 11));
    // The page number's line below the text of every page.
    const qreal footer = 2.0 * QFontMetricsF(footerFont(), &device).height();
    auto layOut = [&] {
        const qreal scale = device.logicalDpiX() / 96.0;
        const TypesetPages pages { device.width() / scale, (device.height() - footer) / scale };
        return typesetWorking(document, text, &pages);
    };
    // A matrix too wide even when set smaller turns the pages to landscape.
    if (!layOut() && device.pageLayout().orientation() == QPageLayout::Portrait) {
        device.setPageOrientation(QPageLayout::Landscape);
        layOut();
    }
}

void printWorking(const WorkingDocument& document, QPagedPaintDevice& device)
{
    QTextDocument text;
    typesetPages(document, device, text);
    QPainter painter(&device);
    painter.setFont(footerFont());
    const qreal scale = device.logicalDpiX() / 96.0;
    const QSizeF page = text.pageSize();
    const int pages = text.pageCount();
    for (int number = 0; number < pages; ++number) {
        if (number > 0)
            device.newPage();
        const QRectF clip(0, number * page.height(), page.width(), page.height());
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -clip.top());
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        text.documentLayout()->draw(&painter, context);
        painter.restore();
        const qreal top = page.height() * scale;
        painter.drawText(QRectF(0, top, device.width(), device.height() - top),
            Qt::AlignRight | Qt::AlignBottom,
            QStringLiteral("%1 / %2").arg(QString::number(number + 1), QString::number(pages)));
    }
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
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("cramer"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        printWorking(document, writer);
    }
    return buffer.data();
}

FileError writeWorking(const WorkingDocument& document, WorkingFormat format, const QString& path)
{
    const QByteArray bytes = workingBytes(document, format);
    return writeFileAtomically(
        path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace cramer
