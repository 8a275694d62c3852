// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// „Напредък“: what a student's kept practice says — per skill, the share
// right at the first try week by week (a chart of its own, painted: it
// needs no chart library loaded at start), the mistakes that recur, the
// time an exercise takes — copied or saved as text, HTML or CSV.

#include "progress/progress_statistics.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace cramer {

class MessageBoxes;

// Lines of the share right at the first try, one per skill, over the weeks.
class ProgressChart : public QWidget {
public:
    explicit ProgressChart(QWidget* parent = nullptr);
    void setSummary(const ProgressSummary& summary);
    QSize sizeHint() const override { return { 560, 240 }; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgressSummary summary_;
    std::vector<QDate> weeks_; // every week any skill has, in order
};

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    ProgressWindow(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Shows `summary` of `student`'s answers.
    void show(const QString& student, const ProgressSummary& summary);

    // The whole of it as text, HTML and CSV.
    QString asText() const;
    QString asHtml() const;
    QString asCsv() const;
    bool saveTo(const QString& path, int type);
    QTableWidget* skills() const { return skills_; }
    QTableWidget* mistakes() const { return mistakes_; }

signals:
    void weakSpotRequested();
    void forgetRequested();

private:
    void copy() const;
    void save();

    MessageBoxes& boxes_;
    QString student_;
    ProgressSummary summary_;
    ProgressChart* chart_ = nullptr;
    QTableWidget* skills_ = nullptr;
    QTableWidget* mistakes_ = nullptr;
    QLabel* time_ = nullptr;
};

// A mistake's name in practice's words.
QString mistakeWords(const QString& name);
// "70 %": right of all, rounded to a whole per cent ("—" of none).
QString shareText(int right, int of);

} // namespace cramer
