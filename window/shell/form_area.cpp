// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/form_area.h"

#include "window/form/form1.h"
#include "window/form/layout_tables.h"

#include <QApplication>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace cramer {

FormArea::FormArea(Form1* form, QWidget* parent)
    : QWidget(parent)
    , form_(form)
{
    form_->setParent(this);
    form_->move(0, 0);
    setMinimumSize(tables::formSizeAt(tables::Scale::kSmallest));
}

double FormArea::fittingZoom(QSize size)
{
    // formSizeAt(z) rounds down, so it still fits just below (size + 1) / design.
    const QSize design = tables::formSizeAt(1.0);
    const double zoom
        = std::min((size.width() + 1.0) / design.width(), (size.height() + 1.0) / design.height());
    return std::clamp(zoom - 1e-6, tables::Scale::kSmallest, tables::Scale::kLargest);
}

void FormArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const tables::Scale scale(form_->zoom());
    const QPalette desktop = QApplication::palette();
    int bottom = 0;
    for (const tables::FrameSpec& band : tables::kFrames) {
        const QRect rect = scale.rect(band.rect);
        painter.fillRect(
            QRect(0, rect.top(), width(), rect.height()), tables::toQColor(band.background, desktop));
        bottom = std::max(bottom, rect.bottom() + 1);
    }
    painter.fillRect(QRect(0, bottom, width(), height() - bottom),
        tables::toQColor(tables::kFrames.back().background, desktop));
}

void FormArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit resized(event->size());
}

} // namespace cramer
