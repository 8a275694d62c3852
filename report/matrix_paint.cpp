// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/matrix_paint.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

Q_DECLARE_METATYPE(std::shared_ptr<const cramer::MatrixPicture>)

namespace cramer {
namespace {

constexpr int kMatrixFormat = QTextFormat::UserObject + 2;
constexpr int kPictureProperty = QTextFormat::UserProperty + 2;
// A bar's line, in the font's size: as heavy as a box-drawing line.
constexpr qreal kBarWeight = 0.07;

std::shared_ptr<const MatrixPicture> pictureOf(const QTextFormat& format)
{
    return format.property(kPictureProperty).value<std::shared_ptr<const MatrixPicture>>();
}

} // namespace

void MatrixObjects::registerWith(QTextDocument* document)
{
    static const int registered = qRegisterMetaType<std::shared_ptr<const MatrixPicture>>();
    Q_UNUSED(registered);
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    if (!layout->handlerForObject(kMatrixFormat))
        layout->registerHandler(kMatrixFormat, new MatrixObjects(document));
}

void MatrixObjects::insert(QTextCursor& cursor, std::shared_ptr<const MatrixPicture> picture)
{
    QTextCharFormat format;
    format.setObjectType(kMatrixFormat);
    format.setProperty(kPictureProperty, QVariant::fromValue(std::move(picture)));
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

const MatrixPicture* MatrixObjects::in(const QTextBlock& block)
{
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        const QTextCharFormat format = fragment.fragment().charFormat();
        if (format.objectType() == kMatrixFormat)
            return pictureOf(format).get();
    }
    return nullptr;
}

QSizeF MatrixObjects::intrinsicSize(QTextDocument*, int, const QTextFormat& format)
{
    const auto picture = pictureOf(format);
    return picture ? picture->size() : QSizeF();
}

void MatrixObjects::drawObject(
    QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format)
{
    const auto picture = pictureOf(format);
    if (!picture || picture->rows.empty())
        return;
    const MatrixPicture& m = *picture;
    painter->save();
    painter->setPen(Qt::black);
    const auto draw = [painter](const MatrixPicture::Text& text, qreal x, qreal baseline) {
        if (text.layout)
            text.layout->draw(painter, QPointF(x, baseline - text.layout->lineAt(0).ascent()));
    };
    const std::size_t middle = (m.rows.size() - 1) / 2;
    for (std::size_t i = 0; i < m.rows.size(); ++i) {
        const qreal top = rect.top() + static_cast<qreal>(i) * m.lineHeight;
        const qreal baseline = top + m.ascent;
        for (std::size_t j = 0; j < m.rows[i].size(); ++j) {
            const MatrixPicture::Text& entry = m.rows[i][j];
            const qreal x = rect.left() + m.rights[j] - entry.width;
            if (static_cast<int>(j) == m.markedColumn)
                painter->fillRect(QRectF(x, top, entry.width, m.lineHeight), kReplacedColumn);
            draw(entry, x, baseline);
        }
        if (i == middle) {
            draw(m.name, rect.left(), baseline);
            draw(m.value, rect.left() + m.valueLeft, baseline);
        }
    }
    painter->setPen(
        QPen(Qt::black, m.font.pointSizeF() * 96.0 / 72.0 * kBarWeight, Qt::SolidLine, Qt::FlatCap));
    for (const qreal x : m.bars) {
        painter->drawLine(QPointF(rect.left() + x, rect.top() + 1),
            QPointF(rect.left() + x, rect.top() + m.size().height() - 1));
    }
    painter->restore();
}

} // namespace cramer
