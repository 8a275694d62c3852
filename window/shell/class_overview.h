// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// „Преглед на класа“: the students of several exported files (one per
// classroom computer) against the skills — the share right at the first
// try, and each student's commonest mistake — sortable and saved as CSV.

#include "progress/progress_export.h"

#include <QWidget>

class QTableWidget;

namespace cramer {

class MessageBoxes;

class ClassOverviewWindow : public QWidget {
public:
    ClassOverviewWindow(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Reads `paths` and shows what they hold; files that are no export are named in a box.
    void showFiles(const QStringList& paths);
    QTableWidget* table() const { return table_; }
    QString asCsv() const;

private:
    void save();
    void fitToScreen();

    MessageBoxes& boxes_;
    QTableWidget* table_ = nullptr;
};

} // namespace cramer
