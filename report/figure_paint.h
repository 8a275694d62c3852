// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A drawing painted: in the working's view and its pages (as an object of
// the text document, so that PDF keeps it as lines and text) and in the
// practice window.

#include "report/figure.h"

#include <QRectF>
#include <QTextObjectInterface>

class QPainter;
class QTextCursor;

namespace cramer {

// Scaled to fit `target` with its proportions kept, centred; `dark` for
// colours that read on a dark background.
void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target, bool dark = false);

// The figures of a text document: each is one character of the document,
// laid out at the size of its drawing (96 units to the inch) and painted
// when the document is.
class FigureObjects : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    // Registers itself with `document`'s layout once, and lives as long as it.
    static void registerWith(QTextDocument* document);
    // Figures of `document` in colours for a dark background.
    static void setDark(QTextDocument* document, bool dark);
    // Inserts `drawing` at the cursor as a character of its own.
    static void insert(QTextCursor& cursor, const Drawing& drawing);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
        const QTextFormat& format) override;

private:
    using QObject::QObject;
};

} // namespace cramer
