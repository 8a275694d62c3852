// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A matrix on pages: one object of the text document that paints its
// entries in columns between two bars, its name before it and its value
// after it on the middle row. Laid out as rows of tab-aligned text, a 9 × 9
// working spends most of its time on the matrices' lines; as objects they
// cost their size only. The window keeps them as text, to select and copy.

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QString>
#include <QTextObjectInterface>

#include <memory>
#include <vector>

class QPainter;
class QTextCursor;
class QTextLayout;

namespace cramer {

struct MatrixPicture {
    // Laid out once: a name with its index, an entry with its marked
    // digits or exponent.
    struct Text {
        std::shared_ptr<const QTextLayout> layout;
        qreal width = 0;
    };
    // In the layout's units, 96 to the inch.
    QFont font;
    qreal lineHeight = 0;
    qreal ascent = 0;
    Text name;
    Text value;
    qreal valueLeft = 0;
    std::vector<qreal> bars; // where each bar's line stands
    std::vector<qreal> rights; // each column's right edge
    std::vector<std::vector<Text>> rows;
    int markedColumn = -1; // on yellow (its entries laid out bold), from 0
    qreal width = 0;

    QSizeF size() const { return { width, lineHeight * static_cast<qreal>(rows.size()) }; }
};

// The colour behind the column that the right-hand sides replace.
inline const QColor kReplacedColumn(0xff, 0xf0, 0xa0);

class MatrixObjects : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    // Registers itself with `document`'s layout once, and lives as long as it.
    static void registerWith(QTextDocument* document);
    // Inserts `picture` at the cursor as a character of its own.
    static void insert(QTextCursor& cursor, std::shared_ptr<const MatrixPicture> picture);
    // The matrix a block shows, or none.
    static const MatrixPicture* in(const QTextBlock& block);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
        const QTextFormat& format) override;

private:
    using QObject::QObject;
};

} // namespace cramer
