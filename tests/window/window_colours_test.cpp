// SPDX-License-Identifier: GPL-3.0-or-later

// The bands in exactly their colours, and every text readable under a dark
// desktop scheme.

#include "window/form/controls.h"
#include "window/form/layout_tables.h"
#include "window/shell/colour_choice.h"

#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::TestWindow;

QPalette darkDesktop()
{
    QPalette dark;
    for (auto [role, colour] :
        { std::pair { QPalette::Window, QColor(53, 53, 53) }, { QPalette::WindowText, Qt::white },
            { QPalette::Base, QColor(42, 42, 42) }, { QPalette::Text, Qt::white },
            { QPalette::Button, QColor(53, 53, 53) }, { QPalette::ButtonText, Qt::white } })
        dark.setColor(role, colour);
    return dark;
}

QColor pixelAt(const QImage& formImage, const Form1& form, const QWidget* widget, QPoint point)
{
    return formImage.pixelColor(widget->mapTo(&form, point));
}

class DesktopScheme : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (GetParam())
            QApplication::setPalette(darkDesktop());
    }
    void TearDown() override { QApplication::setPalette(QPalette()); }
};

TEST_P(DesktopScheme, BandsKeepTheirColoursAndTextsStayReadable)
{
    TestWindow window;
    Form1& form = *window.form;
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    window.solve();
    const QImage shot = form.grab().toImage();

    // Inside each band, and in a cell not in use: exactly the band's colour.
    struct Spot {
        const QWidget* widget;
        QPoint point;
        QColor colour;
    };
    for (const Spot& spot : { Spot { form.findChild<QGroupBox*>("Frame2"), { 50, 40 }, QColor(255, 255, 0) },
             Spot { form.findChild<QGroupBox*>("Frame1"), { 30, 100 }, QColor(0, 192, 0) },
             Spot { form.cell(5, 5), form.cell(5, 5)->rect().center(), QColor(0, 192, 0) },
             Spot { form.findChild<QGroupBox*>("Frame3"), { 300, 200 }, QColor(0, 192, 192) } })
        EXPECT_EQ(pixelAt(shot, form, spot.widget, spot.point), spot.colour)
            << spot.widget->objectName().toStdString();

    // Desktop-coloured texts on the bands: black where white would not read.
    const QColor onBands
        = GetParam() ? QColor(Qt::black) : QApplication::palette().color(QPalette::ButtonText);
    for (const QWidget* text : { static_cast<const QWidget*>(form.findChild<QGroupBox*>("Frame2")),
             static_cast<const QWidget*>(form.label(11)), static_cast<const QWidget*>(form.label(1)),
             static_cast<const QWidget*>(form.label(138)), static_cast<const QWidget*>(form.label(101)) })
        EXPECT_EQ(text->palette().color(QPalette::WindowText), onBands) << text->objectName().toStdString();
    EXPECT_EQ(form.label(100)->palette().color(QPalette::WindowText),
        QApplication::palette().color(QPalette::ButtonText));
    EXPECT_EQ(form.line(1)->colour(), form.line(3)->colour());
}

// Colours set while changes are under way show when the outermost changes
// end, each cell in its last colour; outside them, at once.
TEST(CellColours, ShowTheLastColourWhenTheChangesEnd)
{
    TestWindow window;
    GridCell* cell = window.form->cell(2, 2);
    const auto shown = [cell] { return cell->palette().color(QPalette::Base); };
    const QColor before = shown();
    {
        const GridCell::ColourChanges outer;
        {
            const GridCell::ColourChanges inner;
            cell->setBackColor(0x0000FF); // red
            cell->setBackColor(0x00FFFF); // yellow
        }
        EXPECT_EQ(shown(), before) << "inner changes ended, outer under way";
        EXPECT_EQ(cell->backColor(), 0x00FFFFu);
    }
    EXPECT_EQ(shown(), QColor(255, 255, 0));
    cell->setBackColor(0x00FF00);
    EXPECT_EQ(shown(), QColor(0, 255, 0));
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, DesktopScheme, testing::Bool(),
    [](const testing::TestParamInfo<bool>& info) { return std::string(info.param ? "Dark" : "Light"); });

// The background a widget's text stands on: its own if it fills it, else
// that of the nearest widget around it that does.
QColor backgroundUnder(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->autoFillBackground() || qobject_cast<const QLineEdit*>(w))
            return w->palette().color(w->backgroundRole());
    return widget->palette().color(QPalette::Window);
}

// Every text of the form after a solve against its background, from the
// palettes the colour tables gave: the lowest ratio and where it is.
std::pair<double, QString> lowestContrast(const Form1& form)
{
    std::pair<double, QString> lowest { 100.0, {} };
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* cell = qobject_cast<const QLineEdit*>(widget);
        if (!widget->isVisible() || (!label && !cell) || (label && label->text().trimmed().isEmpty())
            || (cell && cell->text().isEmpty()))
            continue;
        const double ratio = tables::contrastRatio(
            widget->palette().color(widget->foregroundRole()), backgroundUnder(widget));
        if (ratio < lowest.first)
            lowest = { ratio, widget->objectName() };
    }
    return lowest;
}

// "Контрастни цветове": every text of the form reads at 4.5:1, computed
// from the palettes and measured on the rendered x₁; the choice is
// remembered and the specified colours come back.
TEST(ContrastColours, EveryTextReadsAtFourAndAHalfToOne)
{
    TestWindow window;
    Form1& form = *window.form;
    window.activate();
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    window.solve();
    EXPECT_LT(lowestContrast(form).first, tables::kTextContrast) << "the specified colours fall short";

    QAction* contrast = window.main->colours().contrastAction();
    contrast->trigger();
    ASSERT_TRUE(contrast->isChecked());
    const auto [lowest, where] = lowestContrast(form);
    EXPECT_GE(lowest, tables::kTextContrast) << where.toStdString();
    EXPECT_TRUE(QSettings().value("view/contrastColours").toBool());

    // Measured: the darkest pixel of x₁'s value against the band around it.
    CaptionLabel* x1 = form.label(tables::resultLabelNumber(1, tables::ResultColumn::Solution));
    const QImage shot = x1->grab().toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y).lightnessF() < darkest.lightnessF())
                darkest = shot.pixelColor(x, y);
    EXPECT_GE(tables::contrastRatio(darkest, backgroundUnder(x1)), tables::kTextContrast);

    // The focus frame of a cell stands out from the band around it.
    GridCell* cell = form.cell(1, 1);
    cell->setFocus();
    QApplication::processEvents();
    const QImage focused = cell->grab().toImage();
    EXPECT_GE(tables::contrastRatio(focused.pixelColor(0, cell->height() / 2),
                  backgroundUnder(form.findChild<QGroupBox*>("Frame1"))),
        tables::kLineContrast);

    contrast->trigger();
    EXPECT_LT(lowestContrast(form).first, tables::kTextContrast) << "the specified colours are back";
    EXPECT_FALSE(QSettings().value("view/contrastColours").toBool());
}

// A desktop whose theme asks for high contrast gets the contrast colours at
// first start; a choice made by hand wins over it afterwards.
TEST(ContrastColours, FollowAHighContrastDesktopAtFirstStart)
{
    QSettings().remove("view/contrastColours");
    qputenv("GTK_THEME", "HighContrast");
    {
        TestWindow window;
        EXPECT_TRUE(window.main->colours().contrastAction()->isChecked());
        EXPECT_EQ(tables::colourSet(), tables::ColourSet::Contrast);
        window.main->colours().contrastAction()->trigger();
    }
    {
        TestWindow window;
        EXPECT_FALSE(window.main->colours().contrastAction()->isChecked()) << "the choice made by hand";
        EXPECT_EQ(tables::colourSet(), tables::ColourSet::Specified);
    }
    qunsetenv("GTK_THEME");
    QSettings().remove("view/contrastColours");
}

} // namespace
} // namespace cramer
