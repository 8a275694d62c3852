// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/zoom_controller.h"

#include "report/texts.h"
#include "window/form/form1.h"
#include "window/form/message_boxes.h"
#include "window/shell/command_gate.h"
#include "window/shell/form_area.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

#include <algorithm>

namespace cramer {

ZoomController::ZoomController(
    QMainWindow& window, Form1& form, FormArea& area, MessageBoxes& boxes, CommandGate& gate)
    : QObject(&window)
    , window_(window)
    , form_(form)
    , area_(area)
    , boxes_(boxes)
{
    zoomIn_ = gate.add(this, texts::kZoomIn, QKeySequence::ZoomIn, [this] { step(+1); });
    zoomIn_->setShortcuts({ QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    zoomOut_ = gate.add(this, texts::kZoomOut, QKeySequence::ZoomOut, [this] { step(-1); });
    zoomNormal_
        = gate.add(this, texts::kZoomNormal, QKeySequence(Qt::CTRL | Qt::Key_0), [this] { byHand(1.0); });
    connect(&area_, &FormArea::resized, this, &ZoomController::areaResized);
}

double ZoomController::factor() const { return form_.zoom(); }

QSize ZoomController::windowSizeAt(double zoom) const
{
    // A warning in the status bar adds its line below the form.
    const QStatusBar* status = window_.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    const int statusHeight = status && !status->isHidden() ? status->sizeHint().height() : 0;
    return tables::formSizeAt(zoom) + QSize(0, window_.menuBar()->sizeHint().height() + statusHeight);
}

void ZoomController::apply(double factor)
{
    form_.setZoom(factor);
    boxes_.setZoom(form_.zoom());
    emit zoomChanged(form_.zoom());
    area_.update();
}

void ZoomController::step(int direction)
{
    // The next step up or down from the zoom now, which a resize may have
    // left between two steps; the ends stay where they are.
    const double current = form_.zoom();
    double next = direction > 0 ? kSteps.back() : kSteps.front();
    for (double candidate : kSteps) {
        if (direction > 0 && candidate > current + 1e-3) {
            next = candidate;
            break;
        }
        if (direction < 0 && candidate < current - 1e-3)
            next = candidate;
    }
    byHand(next);
}

void ZoomController::byHand(double factor)
{
    // A maximised window keeps its size and holds the form up to it; any
    // other is sized to the form, as far as the desktop lets it grow.
    const bool filling = window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    apply(filling ? std::min(factor, FormArea::fittingZoom(area_.size())) : factor);
    QSettings().setValue(QStringLiteral("view/zoom"), form_.zoom());
    if (!filling)
        window_.resize(windowSizeAt(form_.zoom()));
}

void ZoomController::restore()
{
    const double saved = QSettings().value(QStringLiteral("view/zoom"), 1.0).toDouble();
    if (saved != form_.zoom()) {
        apply(saved);
        window_.resize(windowSizeAt(form_.zoom()));
    }
}

void ZoomController::fitInto(const QRect& available)
{
    const QSize room = available.size() - kFrameAllowance - QSize(0, window_.menuBar()->sizeHint().height());
    const double fit = FormArea::fittingZoom(room);
    if (fit < form_.zoom())
        apply(fit);
    window_.resize(windowSizeAt(form_.zoom()));
}

void ZoomController::areaResized(QSize size)
{
    const double fit = FormArea::fittingZoom(size);
    const QSize form = tables::formSizeAt(form_.zoom());
    // A window a hair larger than the form keeps the zoom chosen by hand.
    if (form.width() <= size.width() && form.height() <= size.height() && fit < form_.zoom() + 0.02)
        return;
    apply(fit);
}

} // namespace cramer
