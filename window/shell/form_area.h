// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The area below the menu bar: the form in its top-left corner at its zoom,
// and, where the window is larger than the form, each band's colour carried
// on to the right and the lowest band's below.

#include <QWidget>

namespace cramer {

class Form1;

class FormArea : public QWidget {
    Q_OBJECT
public:
    FormArea(Form1* form, QWidget* parent);

    // The largest zoom at which the form fits into `size`.
    static double fittingZoom(QSize size);

signals:
    void resized(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Form1* form_;
};

} // namespace cramer
