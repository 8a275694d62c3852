// SPDX-License-Identifier: GPL-3.0-or-later

// The window as it opens: controls, names, places, colours, texts, keyboard order.

#include "window_test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include <QStatusBar>

#include <gtest/gtest.h>

#include <algorithm>

namespace cramer {
namespace {

using testing_support::activeCellColour;
using testing_support::cellColour;
using testing_support::inactiveCellColour;
using testing_support::TestWindow;

struct NamedCell {
    const char* name;
    int row;
    int column;
    QRect pixels;
};

class CellNames : public testing::TestWithParam<NamedCell> { };

TEST_P(CellNames, FollowTheTensRule)
{
    TestWindow window;
    const NamedCell& expected = GetParam();
    auto* cell = window.form->findChild<GridCell*>(QString::fromLatin1(expected.name));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell, window.form->cell(expected.row, expected.column));
    EXPECT_EQ(cell->geometry(), expected.pixels);
    EXPECT_EQ(cell->parentWidget()->objectName(), "Frame1");
}

INSTANTIATE_TEST_SUITE_P(Grid, CellNames,
    testing::Values(NamedCell { "Text11", 1, 1, { 64, 24, 49, 27 } },
        NamedCell { "Text19", 1, 9, { 704, 24, 49, 27 } }, NamedCell { "Text20", 1, 10, { 784, 24, 49, 27 } },
        NamedCell { "Text21", 2, 1, { 64, 48, 49, 25 } }, NamedCell { "Text76", 7, 6, { 464, 168, 49, 27 } },
        NamedCell { "Text77", 7, 7, { 544, 168, 49, 25 } },
        NamedCell { "Text100", 9, 10, { 784, 216, 49, 25 } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowLayout, HasEveryControlOnceInItsFrame)
{
    TestWindow window;
    const Form1& form = *window.form;
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.size(), QSize(839, 587));
    EXPECT_EQ(form.findChildren<GridCell*>().size(), 90);
    EXPECT_EQ(form.findChildren<CaptionLabel*>().size(), 140);
    EXPECT_EQ(form.findChildren<QRadioButton*>().size(), 8);
    EXPECT_EQ(form.findChildren<QPushButton*>().size(), 3);
    EXPECT_EQ(form.findChildren<BarLine*>().size(), 3);
    for (int number : { 11, 19, 99, 138, 139, 140 })
        EXPECT_EQ(form.label(number)->parentWidget()->objectName(), "Frame1") << number;
    for (int number : { 1, 10, 90, 100, 101, 102, 137 })
        EXPECT_EQ(form.label(number)->parentWidget()->objectName(), "Frame3") << number;
    EXPECT_EQ(form.findChild<QGroupBox*>("Frame2")->title(),
        QString::fromUtf8("ИЗБЕРИ БРОЙ НА УРАВНЕНИЯТА /НЕИЗВЕСТНИТЕ/"));
    EXPECT_EQ(window.main->windowTitle(), QString::fromUtf8("системи линейни уравнения - метод на КРАМЕР"));
}

TEST(WindowLayout, ResultRowsFollowTheirNumberRules)
{
    TestWindow window;
    // Row 9: Label9, Label90, Label118, Label119, Label136, Label137 at Top 3600.
    const int lefts[] = { 3480, 4560, 5280, 5400, 6120, 6360 };
    const int numbers[] = { 9, 90, 118, 119, 136, 137 };
    for (int i = 0; i < 6; ++i) {
        const QRect geometry = window.form->label(numbers[i])->geometry();
        EXPECT_EQ(geometry.topLeft(), QPoint(lefts[i] / 15, 3600 / 15)) << "Label" << numbers[i];
    }
}

TEST(WindowLayout, OpensLaidOutForTwoWithNothingTyped)
{
    TestWindow window;
    const Form1& form = *window.form;
    EXPECT_TRUE(form.option(1)->isChecked());
    for (int k = 2; k <= 8; ++k)
        EXPECT_FALSE(form.option(k)->isChecked()) << "Option" << k;
    EXPECT_EQ(form.store().SystemSize, 2);
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 10; ++column) {
            const bool active = row <= 2 && column <= 3;
            EXPECT_TRUE(form.cell(row, column)->text().isEmpty());
            EXPECT_EQ(cellColour(form.cell(row, column)), active ? activeCellColour() : inactiveCellColour())
                << "cell " << row << "," << column;
        }
    }
    for (int number = 1; number <= 140; ++number) {
        QString expected;
        if (number == 11 || number == 21)
            expected = ".x1+";
        else if (number == 12 || number == 22)
            expected = ".x2=";
        else if (number == 100)
            expected = QString::fromUtf8("РЕШЕНИЕ");
        else if (number == 101)
            continue;
        EXPECT_EQ(form.label(number)->text(), expected) << "Label" << number;
    }
    EXPECT_FALSE(form.label(101)->text().isEmpty());
}

TEST(WindowLayout, BarsAtStart)
{
    TestWindow window;
    const Form1& form = *window.form;
    EXPECT_TRUE(form.line(1)->isDrawn());
    EXPECT_TRUE(form.line(2)->isDrawn());
    EXPECT_FALSE(form.line(3)->isDrawn());
    EXPECT_EQ(form.line(1)->y2(), 3840);
    EXPECT_EQ(form.line(2)->parentWidget()->objectName(), "Frame3");
}

TEST(WindowLayout, CommandsReadTopToBottom)
{
    TestWindow window;
    auto buttons = window.form->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->y() < b->y(); });
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(buttons[0]->text(), QString::fromUtf8("ВЪВЕДИ  СИСТЕМАТА"));
    EXPECT_EQ(buttons[1]->text(), QString::fromUtf8("РЕШИ СИСТЕМАТА"));
    EXPECT_EQ(buttons[2]->text(), QString::fromUtf8("ИЗЧИСТИ"));
    for (auto* button : buttons) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
}

TEST(WindowLayout, MethodListHoldsTheSummaryWithItsBlanks)
{
    TestWindow window;
    const QListWidget* list = window.form->methodList();
    ASSERT_EQ(list->count(), 42);
    EXPECT_EQ(list->item(0)->text(), QString(22, ' ') + QString::fromUtf8("метод на Крамер") + " ");
    EXPECT_TRUE(list->item(11)->text().isEmpty());
    EXPECT_TRUE(list->item(31)->text().isEmpty());
    EXPECT_EQ(list->item(37)->text(), " ");
    EXPECT_EQ(list->item(41)->text(), QString(21, ' ') + QString::fromUtf8("ПРИЯТНА РАБОТА!"));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(WindowLayout, ColoursComeFromTheTables)
{
    TestWindow window;
    const Form1& form = *window.form;
    auto background = [](const QWidget* widget) { return widget->palette().color(QPalette::Window); };
    auto text = [](const QWidget* widget) { return widget->palette().color(QPalette::WindowText); };
    EXPECT_EQ(background(form.findChild<QWidget*>("Frame2")), QColor(255, 255, 0));
    EXPECT_EQ(background(form.findChild<QWidget*>("Frame1")), QColor(0, 192, 0));
    EXPECT_EQ(background(form.findChild<QWidget*>("Frame3")), QColor(0, 192, 192));
    EXPECT_EQ(background(form.label(11)), QColor(0, 192, 0));
    EXPECT_EQ(background(form.label(121)), QColor(0, 192, 192));
    EXPECT_EQ(background(form.label(100)), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(text(form.label(10)), QColor(0, 0, 255));
    EXPECT_EQ(text(form.label(103)), QColor(0, 0, 255));
    EXPECT_EQ(text(form.label(121)), QColor(192, 0, 0));
    EXPECT_EQ(text(form.label(1)), QApplication::palette().color(QPalette::ButtonText));
    EXPECT_EQ(form.cell(5, 5)->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST(WindowLayout, TabVisitsCellsByNameThenTheCommands)
{
    TestWindow window;
    window.activate();
    ASSERT_EQ(QApplication::focusWidget(), window.form->cell(1, 1));

    QStringList visited;
    for (int press = 0; press < 96; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QStringList expected;
    for (int number = 12; number <= 100; ++number)
        expected << QStringLiteral("Text%1").arg(number);
    expected << "Option1"
             << "Command1"
             << "Command2"
             << "List1"
             << "Command3"
             << "Text11"
             << "Text12";
    EXPECT_EQ(visited, expected);
}

TEST(WindowLayout, SevenDigitNumbersFitCellsAndResultLabels)
{
    TestWindow window;
    const QString widest = "-1.234568E+07";
    GridCell* cell = window.form->cell(4, 4);
    cell->setText(widest);
    EXPECT_LE(QFontMetrics(cell->font()).horizontalAdvance(widest), cell->width() - 8);
    EXPECT_GE(cell->font().pixelSize(), 8);
    for (int number : { 10, 103, 121 }) {
        CaptionLabel* label = window.form->label(number);
        label->setCaption(widest);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(widest), label->width()) << "Label" << number;
    }
    cell->setText("7");
    EXPECT_EQ(cell->font().pixelSize(), 16) << "short numbers keep the full size";

    // Emptied, a cell's font is that of what will be typed once it has the
    // keyboard: the cursor is full height.
    cell->setText(widest);
    cell->clear();
    QFocusEvent focused(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(cell, &focused);
    EXPECT_EQ(cell->font(), tables::makeFont(tables::FontKind::Control));
}

// A text too wide for its box gets the widest font that fits, measured
// afresh here: first narrower glyphs, then smaller ones. The table's texts
// and widths are asked in turn, so that one font's measured characters are
// never taken for another's.
TEST(FittedFont, IsTheWidestThatFits)
{
    const QFont nominal = tables::makeFont(tables::FontKind::Control);
    const auto width = [](const QFont& font, const QString& text) {
        const QFontMetricsF metrics(font);
        qreal advance = 1.0;
        for (QChar character : text)
            advance += metrics.horizontalAdvance(character);
        return advance;
    };
    for (const char* text : { "7", "-1.234568E+07", "123456,7", "-0,0001234568", "WWWW" }) {
        for (int room : { 90, 70, 55, 40, 25 }) {
            const QString shown = QString::fromLatin1(text);
            const QFont fitted = fittedFont(nominal, shown, room);
            const bool narrowed = fitted.stretch() != QFont::AnyStretch && fitted.stretch() < 100;
            const bool smaller = fitted.pixelSize() < nominal.pixelSize();
            if (fitted.pixelSize() > 8) {
                EXPECT_LE(width(fitted, shown), room) << text << " in " << room;
            }
            QFont wider = fitted;
            if (smaller)
                wider.setPixelSize(fitted.pixelSize() + 1);
            else if (narrowed)
                wider.setStretch(fitted.stretch() + 5);
            if (smaller || narrowed) {
                EXPECT_GT(width(wider, shown), room) << text << " in " << room;
            }
        }
    }
}

TEST(WindowLayout, EveryCaptionFitsItsBox)
{
    TestWindow window;
    window.layOut(9);
    Vector values {};
    values.fill(-0.333f);
    window.form->showResultRows(9, values, -12345.67f, values);
    for (const QLabel* label : window.form->findChildren<CaptionLabel*>()) {
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString() << " '" << label->text().toStdString() << "'";
    }
    for (const QPushButton* button : window.form->findChildren<QPushButton*>())
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 8);
}

TEST(WindowLayout, ScreenReadersFindANameForEveryControl)
{
    TestWindow window;
    auto name = [](QObject* object) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
        return accessible ? accessible->text(QAccessible::Name) : QString();
    };
    EXPECT_FALSE(name(window.form->cell(3, 10)).isEmpty());
    EXPECT_FALSE(name(window.form->findChild<QLabel*>("Image1")).isEmpty());
    EXPECT_EQ(name(window.form->command(3)), QString::fromUtf8("РЕШИ СИСТЕМАТА"));
    EXPECT_EQ(name(window.form->label(11)), ".x1+");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window.form->methodList());
    ASSERT_NE(list, nullptr);
    EXPECT_GE(list->childCount(), 42);
}

// A screen reader hears what a cell holds: its coefficient, the free term,
// an entry of the determinant shown, or that it is not used.
TEST(WindowLayout, CellsAreNamedByWhatTheyHold)
{
    testing_support::TestWindow window;
    window.layOut(3);
    auto name = [&](int row, int column) { return window.form->cell(row, column)->accessibleName(); };
    EXPECT_EQ(name(1, 2), QString::fromUtf8("ред 1, коефициент пред x2"));
    EXPECT_EQ(name(3, 4), QString::fromUtf8("ред 3, свободен член"));
    EXPECT_EQ(name(1, 5), QString::fromUtf8("ред 1, колона 5, не се използва"));
    EXPECT_EQ(name(4, 1), QString::fromUtf8("ред 4, колона 1, не се използва"));

    window.type({ { "2", "1", "0", "3" }, { "1", "3", "1", "5" }, { "0", "1", "2", "3" } });
    QStringList duringBoxes;
    window.boxes.whileOpen
        = [&](const testing_support::ShownMessage&) { duringBoxes << name(2, 2) << name(1, 4); };
    window.solve();
    ASSERT_FALSE(duringBoxes.isEmpty());
    EXPECT_EQ(duringBoxes[0], QString::fromUtf8("ред 2, колона 2"));
    EXPECT_EQ(duringBoxes[1], QString::fromUtf8("ред 1, колона 4, не се използва"));
    EXPECT_EQ(name(1, 4), QString::fromUtf8("ред 1, свободен член")) << "the system is back after the solve";

    // The result rows reached by the keyboard: a box a screen reader speaks.
    window.boxes.shown.clear();
    window.boxes.whileOpen = nullptr;
    window.main->solution().readResultsAction()->trigger();
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].title, QString::fromUtf8("Резултат"));
    EXPECT_TRUE(window.boxes.shown[0].text.startsWith(QString::fromUtf8("x1 = ")));
    EXPECT_EQ(window.boxes.shown[0].text.count(QLatin1Char('\n')), 2)
        << window.boxes.shown[0].text.toStdString();
}

// A solve whose single-precision x are wrong says so below the form, which
// keeps its size; the next solve or an edit takes the warning away.
TEST(WindowLayout, AWrongSinglePrecisionResultIsSaidBelowTheForm)
{
    testing_support::TestWindow window;
    window.activate();
    const QSize form = window.form->size();
    window.layOut(3);
    window.type({ { "1E-4", "2", "1", "1" }, { "3", "1", "1.25", "2" }, { "1", "0.5", "0.75", "1" } });
    window.solve();
    auto* bar = window.main->findChild<QStatusBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(bar->currentMessage().contains(QStringLiteral("(x2 ")));
    EXPECT_EQ(window.form->size(), form);
    window.boxes.shown.clear();
    window.main->solution().readResultsAction()->trigger();
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_TRUE(window.boxes.shown[0].text.endsWith(bar->currentMessage()));

    // The single in the working's digits where the row rounds it, never "2 (… 2)".
    window.type({ { "2", "1", "-1", "8" }, { "-3", "-1", "2", "-11" }, { "-2", "1", "2", "-3" } });
    window.solve();
    window.boxes.shown.clear();
    window.main->solution().readResultsAction()->trigger();
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].text.section(QLatin1Char('\n'), 0, 0).toStdString(),
        "x1 = 2 (в единична точност 1.9999995)");

    window.type({ { "2", "1", "0", "3" }, { "1", "3", "1", "5" }, { "0", "1", "2", "3" } });
    EXPECT_TRUE(bar->isHidden()) << "an edit makes the warning outdated";
    window.solve();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(window.form->size(), form);
}

} // namespace
} // namespace cramer
