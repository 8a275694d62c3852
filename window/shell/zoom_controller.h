// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The zoom of the whole window: the form with its bars and picture, its
// message boxes and every window beside it follow one factor. Chosen by hand
// in steps and remembered, fitted to the screen at start, and to the window
// when it is resized by hand.

#include <QObject>
#include <QRect>
#include <QSize>

#include <array>

class QAction;
class QMainWindow;

namespace cramer {

class CommandGate;
class Form1;
class FormArea;
class MessageBoxes;

class ZoomController : public QObject {
    Q_OBJECT
public:
    // The steps of "Увеличи" and "Намали".
    static constexpr std::array<double, 13> kSteps { 0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75,
        2.0, 2.5, 3.0 };
    // What a window manager's title bar and borders take, at most, around
    // the window: kept free when the window is fitted to a screen.
    static constexpr QSize kFrameAllowance { 16, 48 };

    ZoomController(QMainWindow& window, Form1& form, FormArea& area, MessageBoxes& boxes, CommandGate& gate);

    QAction* zoomInAction() const { return zoomIn_; }
    QAction* zoomOutAction() const { return zoomOut_; }
    QAction* zoomNormalAction() const { return zoomNormal_; }
    double factor() const;

    // Chosen by hand: remembered, and the window sized to the form (a
    // maximised window holds the form up to its own size).
    void byHand(double factor);
    // At start: the zoom last chosen by hand, if any.
    void restore();
    // At start: the largest zoom, up to the current one, at which the window
    // and its frame fit into `available`, and the window sized to it.
    void fitInto(const QRect& available);
    QSize windowSizeAt(double zoom) const;

signals:
    void zoomChanged(double factor);

private:
    void step(int direction);
    void apply(double factor);
    void areaResized(QSize size);

    QMainWindow& window_;
    Form1& form_;
    FormArea& area_;
    MessageBoxes& boxes_;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* zoomNormal_ = nullptr;
};

} // namespace cramer
