// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/scaled_layout.h"

#include "window/form/controls.h"

namespace cramer {

ScaledLayout::ScaledLayout(QWidget* form)
    : form_(form)
{
    form_->setFixedSize(tables::formSizeAt(1.0));
}

void ScaledLayout::place(QWidget* widget, const tables::TwipsRect& rect)
{
    placed_[widget] = rect;
    widget->setGeometry(scale_.rect(rect));
}

void ScaledLayout::moveTop(QWidget* widget, int twips)
{
    tables::TwipsRect& rect = placed_.at(widget);
    rect.top = twips;
    widget->move(widget->x(), scale_.pixels(twips));
}

void ScaledLayout::useFont(QWidget* widget, tables::FontKind kind)
{
    rememberFont(widget, kind);
    applyFont(widget, kind);
}

void ScaledLayout::rememberFont(QWidget* widget, tables::FontKind kind) { fonts_.emplace_back(widget, kind); }

void ScaledLayout::addBar(BarLine* bar) { bars_.push_back(bar); }

void ScaledLayout::applyFont(QWidget* widget, tables::FontKind kind) const
{
    const QFont font = tables::makeFont(kind, scale_);
    if (auto* cell = qobject_cast<GridCell*>(widget))
        cell->setNominalFont(font);
    else if (auto* caption = qobject_cast<CaptionLabel*>(widget))
        caption->setNominalFont(font);
    else
        widget->setFont(font);
}

void ScaledLayout::setZoom(double factor)
{
    const tables::Scale scale(factor);
    if (scale == scale_)
        return;
    scale_ = scale;
    form_->setFixedSize(tables::formSizeAt(scale_.factor()));
    // Sizes first: a caption is fitted to its label's new width.
    for (const auto& [widget, rect] : placed_)
        widget->setGeometry(scale_.rect(rect));
    for (const auto& [widget, kind] : fonts_)
        applyFont(widget, kind);
    for (BarLine* bar : bars_)
        bar->setScale(scale_);
}

} // namespace cramer
