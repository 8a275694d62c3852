// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every control of the form with its place in twips and its kind of font,
// so that one zoom lays them all out again: positions, sizes, fonts, the
// bars and the form's own size. At 1 it is the design.

#include "window/form/layout_tables.h"

#include <unordered_map>
#include <utility>
#include <vector>

class QWidget;

namespace cramer {

class BarLine;

class ScaledLayout {
public:
    // `form` takes the designed client size, and follows the zoom.
    explicit ScaledLayout(QWidget* form);

    const tables::Scale& scale() const { return scale_; }

    // Puts `widget` at `rect` (twips of its frame) now and at every zoom.
    void place(QWidget* widget, const tables::TwipsRect& rect);
    // A new top for a placed widget, kept for the next zoom.
    void moveTop(QWidget* widget, int twips);
    // Gives `widget` a font of `kind`, now and at every zoom.
    void useFont(QWidget* widget, tables::FontKind kind);
    // For a widget built with the font of `kind`: from the next zoom on.
    void rememberFont(QWidget* widget, tables::FontKind kind);
    void addBar(BarLine* bar);

    void setZoom(double factor);

private:
    void applyFont(QWidget* widget, tables::FontKind kind) const;

    QWidget* form_;
    tables::Scale scale_;
    std::unordered_map<QWidget*, tables::TwipsRect> placed_;
    std::vector<std::pair<QWidget*, tables::FontKind>> fonts_;
    std::vector<BarLine*> bars_;
};

} // namespace cramer
