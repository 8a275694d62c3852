// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/matrix_view.h"

#include "report/figure.h"
#include "report/texts.h"
#include "report/working_texts.h"
#include "report/working_typeset.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QStringBuilder>
#include <QTextFrame>

#include <algorithm>
#include <iterator>

namespace cramer {

MatrixView::MatrixView(const MatrixBlock& matrix, QWidget* parent)
    : QWidget(parent)
{
    Section& section = document_.sections.emplace_back();
    section.blocks.push_back({ Block::Kind::Matrix, {}, matrix, false, {} });
    // Named as the determinant it is, without the "=" it stands before.
    Runs name;
    std::copy_if(matrix.name.begin(), matrix.name.end(), std::back_inserter(name),
        [](const Run& run) { return run.kind != Run::Kind::Operator; });
    setAccessibleName(labelText(name));
    setAccessibleDescription(matrixInWords(matrix));
    typeset();
}

void MatrixView::typeset()
{
    text_.setDefaultFont(font());
    typesetWorking(document_, text_);
    text_.setTextWidth(text_.idealWidth());
    // The matrix alone, without the blank blocks above and below it.
    QAbstractTextDocumentLayout& layout = *text_.documentLayout();
    area_ = {};
    for (auto it = text_.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* frame = it.currentFrame())
            area_ |= layout.frameBoundingRect(frame);
        else if (!it.currentBlock().text().isEmpty())
            area_ |= layout.blockBoundingRect(it.currentBlock());
    }
    // Rows set on tab stops reach past their blocks: the text's whole width.
    area_.setLeft(0);
    area_.setRight(text_.size().width());
    updateGeometry();
    update();
}

QSize MatrixView::sizeHint() const { return area_.size().toSize() + QSize(4, 4); }

void MatrixView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.translate(QPointF(2, 2) - area_.topLeft());
    text_.drawContents(&painter, area_);
}

void MatrixView::changeEvent(QEvent* event)
{
    // The window's zoom and colours reach the matrix too.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        typeset();
    QWidget::changeEvent(event);
}

QString matrixInWords(const MatrixBlock& matrix)
{
    QStringList rows;
    for (std::size_t i = 0; i < matrix.rows.size(); ++i) {
        QStringList cells;
        for (const WrittenNumber& cell : matrix.rows[i])
            cells << cell.plain();
        rows << texts::qtText(texts::kRowLabel).arg(i + 1) % QStringLiteral(": ")
                % cells.join(QStringLiteral(", "));
    }
    QString words = rows.join(QStringLiteral("; ")) % QLatin1Char('.');
    if (matrix.markedColumn > 0)
        words += QLatin1Char(' ') % texts::qtText(texts::kMatrixReplacedColumn).arg(matrix.markedColumn);
    return words;
}

} // namespace cramer
