// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/figure_view.h"

#include "report/figure_paint.h"
#include "report/texts.h"
#include "report/working_document.h"
#include "report/working_texts.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace cramer {

// The drawing alone, at its own proportions; it takes no keyboard focus.
class FigureView::Canvas : public QWidget {
public:
    using QWidget::QWidget;

    void setDrawing(Drawing drawing)
    {
        drawing_ = std::move(drawing);
        setAccessibleDescription(drawing_.description);
        updateGeometry();
        update();
    }
    const Drawing& drawing() const { return drawing_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        const QSize natural = sizeHint();
        return natural.width() > 0 ? std::min(natural.height(), width * natural.height() / natural.width())
                                   : 0;
    }
    QSize sizeHint() const override
    {
        // Points to pixels at the screen's resolution.
        const double scale = logicalDpiX() / 72.0;
        return QSizeF(drawing_.width * scale, drawing_.height * scale).toSize();
    }
    QSize minimumSizeHint() const override { return sizeHint() / 2; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paintDrawing(painter, drawing_, rect(), palette().color(QPalette::Window).lightness() < 128);
    }

private:
    Drawing drawing_;
};

FigureView::FigureView(
    std::shared_ptr<const FigureBlock> figure, const FigureSecrets& secrets, QWidget* parent)
    : QWidget(parent)
    , figure_(std::move(figure))
    , secrets_(secrets)
    , canvas_(new Canvas(this))
    , caption_(new QLabel(this))
{
    canvas_->setAccessibleName(
        texts::qtText(figure_->isLines() ? texts::kFigureLinesName : texts::kFigureAreasName));
    caption_->setWordWrap(true);
    caption_->setTextFormat(Qt::PlainText);
    caption_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas_);
    layout->addWidget(caption_);
    redraw();
}

void FigureView::setSecrets(const FigureSecrets& secrets)
{
    secrets_ = secrets;
    redraw();
}

QString FigureView::description() const { return canvas_->drawing().description; }

void FigureView::redraw()
{
    canvas_->setDrawing(figureDrawing(*figure_, secrets_));
    caption_->setText(canvas_->drawing().description);
}

} // namespace cramer
