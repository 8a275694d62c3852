// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The picture of the result band, a smiling face with large round glasses at
// a keyboard, and the program's icon made from it. Both are drawn from the
// same painter code, so they never drift apart and are sharp at any scale.

#include <QIcon>
#include <QLabel>

#include <array>

class QPainter;

namespace cramer {

// The picture's own coordinates: a square of this side.
inline constexpr int kSmileySide = 110;

// Draws the picture (without its white ground) into 0 … kSmileySide.
void paintKeyboardSmiley(QPainter& painter);

// The icon: the picture on a white rounded tile filling `side` × `side`.
void paintApplicationIcon(QPainter& painter, int side);
// Any size, sharp; the sides a window system takes first, from the pixels
// in ":/icons/N.argb" where the program carries them.
QIcon applicationIcon();
inline constexpr std::array<int, 4> kRenderedIconSides { 16, 32, 64, 128 };

// The picture stretched over `size` on its white ground.
void paintPicture(QPainter& painter, QSize size);

// Pixels painted at build time and carried as an uncompressed resource
// (premultiplied ARGB32, row by row), read where they lie; a null image
// where the program carries none of that size.
QImage buildTimePixels(const QString& resource, QSize size);

// The size of the picture at the design's zoom: its pixels are painted at
// build time (":/picture/design.argb", premultiplied ARGB32) for every start.
QSize designPictureSize();

// The picture stretched over the whole control, as a stretched bitmap would
// be, but drawn at the screen's own resolution; at the design's size, read
// from the pixels painted at build time where the program carries them.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace cramer
