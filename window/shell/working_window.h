// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Подробно решение": the working of the last solve in a window of its own
// that stays open beside the form, with copy, save and print.

#include "report/working_document.h"
#include "report/working_export.h"
#include "window/form/message_boxes.h"

#include <QWidget>

class QTextBrowser;

namespace cramer {

class WorkingWindow : public QWidget {
    Q_OBJECT
public:
    // `boxes` must outlive the window.
    WorkingWindow(MessageBoxes& boxes, QWidget* parent);

    void showSolution(const WorkedSolution& solution);
    // The text at the form's zoom.
    void setZoom(double factor);
    QTextBrowser* view() const { return view_; }
    const WorkingDocument& document() const { return document_; }

    // The whole working, as text and as HTML.
    void copyAll() const;
    // Asks for a file name, then writes HTML or PDF by the chosen type.
    void save();
    // Writes `path` in `format`; a message says what went wrong if it could not be written.
    bool saveTo(const QString& path, WorkingFormat format);
    void print();

protected:
    void changeEvent(QEvent* event) override;

private:
    // The pictures in colours for the view's background, light or dark.
    void followScheme();

    MessageBoxes& boxes_;
    QTextBrowser* view_ = nullptr;
    WorkingDocument document_;
};

} // namespace cramer
