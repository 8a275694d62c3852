// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One matrix of the worked solution as its typesetter sets it (bars, the
// replaced column shaded, subscripts), for windows that show a step at a
// time; a screen reader gets it row by row, the replaced column named.

#include "report/working_document.h"

#include <QTextDocument>
#include <QWidget>

namespace cramer {

class MatrixView : public QWidget {
    Q_OBJECT
public:
    MatrixView(const MatrixBlock& matrix, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void typeset();

    WorkingDocument document_;
    QTextDocument text_;
    QRectF area_; // the matrix's part of the typeset text
};

// "d₁ =: ред 1: 5, 1; ред 2: −8, −3. Колона 1 е заменена …": a matrix in
// words, row by row.
QString matrixInWords(const MatrixBlock& matrix);

} // namespace cramer
