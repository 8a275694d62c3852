// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/form1.h"

#include <QColor>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace cramer::testing_support {

struct ShownMessage {
    QString title;
    QString text;
};

// Answers every box at once and remembers it; `whileOpen` runs while a box
// would be on screen, so a test can look at the window under it.
class RecordingMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget*, const QString& title, const QString& text) override
    {
        shown.push_back({ title, text });
        if (whileOpen)
            whileOpen(shown.back());
    }

    std::vector<ShownMessage> shown;
    std::function<void(const ShownMessage&)> whileOpen;
};

// A window, loaded, with recorded message boxes.
struct TestWindow {
    TestWindow();

    void layOut(int n);
    // Types rows of texts into rows 1 … and columns 1 … of the grid.
    void type(const std::vector<std::vector<QString>>& rows);
    void solve();
    // Cell texts of rows 1 … rows, columns 1 … columns, row by row.
    std::vector<QString> texts(int rows, int columns) const;

    RecordingMessageBoxes boxes;
    std::unique_ptr<Form1> form;
};

// Pins an English locale ("." decimal point) for the test's duration.
class EnglishLocaleTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

QColor activeCellColour();
QColor inactiveCellColour();
QColor cellColour(const GridCell* cell);

} // namespace cramer::testing_support
