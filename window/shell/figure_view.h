// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A picture of a system of two unknowns in a window: drawn to the widget's
// width in colours for its palette, light or dark, with what it shows in
// words beneath it, where screen readers read it as the window's text.

#include "report/figure.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace cramer {

class FigureView : public QWidget {
    Q_OBJECT
public:
    FigureView(std::shared_ptr<const FigureBlock> figure, const FigureSecrets& secrets, QWidget* parent);

    // Values still to be found show as "?".
    void setSecrets(const FigureSecrets& secrets);
    QString description() const;

private:
    class Canvas;
    void redraw();

    std::shared_ptr<const FigureBlock> figure_;
    FigureSecrets secrets_;
    Canvas* canvas_ = nullptr;
    QLabel* caption_ = nullptr;
};

} // namespace cramer
