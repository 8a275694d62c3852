// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Ръководство": the user's guide, with the window's pictures, built into
// the program from the same source as the manual page's description.

#include <QWidget>

class QTextBrowser;

namespace cramer {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    QTextBrowser* view() const { return view_; }
    // The text at the form's zoom.
    void setZoom(double factor);

private:
    QTextBrowser* view_ = nullptr;
};

} // namespace cramer
