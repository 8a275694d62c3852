// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "report/worked_solution.h"
#include "window/form/form1.h"
#include "window/shell/main_window.h"
#include "window/shell/solution_actions.h"
#include "window/shell/zoom_controller.h"

#include <QColor>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace cramer::testing_support {

struct ShownMessage {
    QString title;
    QString text;
    QString description;
};

// Answers every box at once and remembers it; `whileOpen` runs while a box
// would be on screen, so a test can look at the window under it.
class RecordingMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget*, const QString& title, const QString& text, const QString& description = {}) override
    {
        shown.push_back({ title, text, description });
        if (whileOpen)
            whileOpen(shown.back());
    }

    bool ask(QWidget*, const QString& title, const QString& text) override
    {
        shown.push_back({ title, text, {} });
        return answer;
    }

    SaveAnswer askToSave(QWidget*, const QString& title, const QString& text) override
    {
        shown.push_back({ title, text, {} });
        return saveAnswer;
    }

    // Apart from `shown`, which the boxes' tests count.
    QString askName(QWidget*, const QString&, const QString&, const QStringList& known) override
    {
        ++namesAsked;
        namesOffered = known;
        return name;
    }

    std::vector<ShownMessage> shown;
    std::function<void(const ShownMessage&)> whileOpen;
    bool answer = true; // to every question
    SaveAnswer saveAnswer = SaveAnswer::Discard;
    QString name = QStringLiteral("Ani"); // given when a name is asked for; empty as if cancelled
    int namesAsked = 0;
    QStringList namesOffered;
};

// The main window with its form, loaded, with recorded message boxes.
struct TestWindow {
    // Fresh, as at a first start, or with the grid the last window closed with.
    enum class Start { Fresh, AfterClosing };
    explicit TestWindow(Start start = Start::Fresh);

    void layOut(int n);
    // Types rows of texts into rows 1 … and columns 1 … of the grid.
    void type(const std::vector<std::vector<QString>>& rows);
    void solve();
    // Cell texts of rows 1 … rows, columns 1 … columns, row by row.
    std::vector<QString> texts(int rows, int columns) const;

    // Shows the window and makes it active, so that shortcuts reach it.
    void activate();

    RecordingMessageBoxes boxes;
    std::unique_ptr<MainWindow> main;
    Form1* form = nullptr;
};

// Pins an English locale ("." decimal point) for the test's duration.
class EnglishLocaleTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// The worked solution of a solve of `rows` (n rows of n + 1 texts) typed
// under `locale`, without a window.
WorkedSolution workedSolutionOf(
    const std::vector<std::vector<std::string>>& rows, const NumberLocale& locale);

inline const NumberLocale kBulgarianNumbers { ",", "\u00A0" };

QColor activeCellColour();
QColor inactiveCellColour();
QColor cellColour(const GridCell* cell);

} // namespace cramer::testing_support
