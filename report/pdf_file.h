// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Pages painted with QPainter, written as a PDF file: text as the glyphs
// that were laid out, one command per text item, in fonts cut down to the
// glyphs used; lines, fills and outlines as paths; pictures as images.
//
// Qt's own PDF writer writes a positioning command for every glyph,
// compresses those commands and looks every character of each font up to
// map its glyphs back: two fifths of the time a 9 × 9 working's PDF took.
// This writer knows each glyph's character from what was drawn.

#include <QByteArray>
#include <QPageLayout>
#include <QPaintDevice>
#include <QString>

#include <memory>

namespace cramer {

class PdfEngine;

class PdfFile final : public QPaintDevice {
public:
    // Pages of `layout`; a painter paints within its margins, in units of
    // `resolution` dots per inch.
    explicit PdfFile(const QPageLayout& layout, int resolution = 1200);
    ~PdfFile() override;
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    void setTitle(const QString& title);
    void setCreator(const QString& creator);
    // For the pages that follow.
    void setPageLayout(const QPageLayout& layout);
    const QPageLayout& pageLayout() const { return layout_; }

    // Ends the page and begins the next: only while a painter is active.
    void newPage();
    // The whole file, once the painter has ended.
    QByteArray bytes() const;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QPageLayout layout_;
    int resolution_;
    std::unique_ptr<PdfEngine> engine_;
};

} // namespace cramer
