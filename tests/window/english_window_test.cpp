// SPDX-License-Identifier: GPL-3.0-or-later

// The window in English: every caption within its control at every zoom,
// pixel for pixel as the reference, not one Cyrillic letter on screen, in a
// box or for a screen reader; and the language chosen in the menu kept for
// the next start.

#include "window_test_support.h"

#include "report/language.h"
#include "window/form/controls.h"
#include "window/shell/help_window.h"
#include "window/shell/language_choice.h"
#include "window/shell/practice.h"
#include "window/shell/practice_window.h"
#include "window/shell/progress_window.h"
#include "window/shell/working_window.h"
#include "window/shell/worksheet_dialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::TestWindow;

class EnglishWindow : public testing_support::EnglishLocaleTest {
protected:
    void SetUp() override
    {
        EnglishLocaleTest::SetUp();
        installLanguage(Language::English);
    }
    void TearDown() override
    {
        installLanguage(Language::Bulgarian);
        EnglishLocaleTest::TearDown();
    }
};

bool hasCyrillic(const QString& text)
{
    return std::any_of(
        text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

// Every text a widget and its children show or give a screen reader.
QStringList textsOf(QWidget* top)
{
    QStringList texts { top->windowTitle() };
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets << top;
    for (QWidget* widget : widgets) {
        texts << widget->accessibleName() << widget->toolTip();
        if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget))
            texts << accessible->text(QAccessible::Name) << accessible->text(QAccessible::Value);
        for (const QAction* action : widget->actions())
            texts << action->text();
    }
    for (const QListWidget* list : top->findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
    return texts;
}

// A language's own name is the same in every language: the language menu
// lists Bulgarian as „Български“ whatever is spoken.
bool isOwnName(const QString& text)
{
    return std::any_of(kLanguages.begin(), kLanguages.end(),
        [&](const LanguageEntry& entry) {
            return QString(text).remove(QLatin1Char('&')) == QString::fromUtf8(entry.ownName);
        });
}

void expectNoCyrillic(const QStringList& texts, const char* where)
{
    for (const QString& text : texts)
        EXPECT_FALSE(hasCyrillic(text) && !isOwnName(text)) << where << ": " << text.toStdString();
}

TEST_F(EnglishWindow, EveryCaptionFitsItsControlAtEveryZoom)
{
    TestWindow window;
    window.layOut(9);
    Vector values {};
    values.fill(-0.333f);
    window.form->showResultRows(9, values, -12345.67f, values);
    for (const double zoom : { 0.5, 0.75, 1.0, 1.5, 2.0 }) {
        window.main->zoom().byHand(zoom);
        for (const QLabel* label : window.form->findChildren<CaptionLabel*>())
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
                << zoom << ' ' << label->objectName().toStdString() << " '" << label->text().toStdString()
                << "'";
        for (const QPushButton* button : window.form->findChildren<QPushButton*>())
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 8)
                << zoom << ' ' << button->text().toStdString();
    }
    window.main->zoom().byHand(1.0);
    QSettings().remove(QStringLiteral("view/zoom"));
}

TEST_F(EnglishWindow, ShowsNoCyrillicAfterASolveNorInItsWindows)
{
    TestWindow window;
    window.activate();
    window.layOut(3);
    window.type({ { "2", "-1.5", "0", "4" }, { "1", "3", "-2", "0.25" }, { "0", "1", "1", "-7" } });
    window.solve();
    expectNoCyrillic(textsOf(window.main.get()), "the main window");
    for (const QAction* menu : window.main->menuBar()->actions()) {
        expectNoCyrillic({ menu->text() }, "the menu bar");
        for (const QAction* action : menu->menu()->actions())
            expectNoCyrillic({ action->text() }, "a menu");
    }
    ASSERT_GE(window.boxes.shown.size(), 4U); // d, d1, d2, d3
    for (const auto& box : window.boxes.shown)
        expectNoCyrillic({ box.title, box.text, box.description }, "a box");

    window.main->solution().showWorkingAction()->trigger();
    ASSERT_NE(window.main->solution().workingWindow(), nullptr);
    expectNoCyrillic(textsOf(window.main->solution().workingWindow()), "the worked solution");
    window.main->practice().startAction()->trigger();
    ASSERT_NE(window.main->practice().window(), nullptr);
    expectNoCyrillic(textsOf(window.main->practice().window()), "practice");
}

// Each language by its own name; the confirmation in the language chosen,
// then in the one spoken.
TEST_F(EnglishWindow, ListsEachLanguageByItsOwnName)
{
    QSettings().setValue(QStringLiteral("view/language"), QStringLiteral("en"));
    TestWindow window;
    QStringList names;
    for (const QAction* action : window.main->language().menu()->actions())
        names << action->text();
    EXPECT_EQ(names, QStringList({ QStringLiteral("&Български"), QStringLiteral("&English") }));
    window.main->language().menu()->actions().front()->trigger();
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].title, QStringLiteral("Език"));
    EXPECT_TRUE(window.boxes.shown[0].text.startsWith(QStringLiteral("Програмата ще говори")))
        << window.boxes.shown[0].text.toStdString();
    EXPECT_TRUE(window.boxes.shown[0].text.endsWith(QStringLiteral("the next time you start the program.")))
        << window.boxes.shown[0].text.toStdString();
    QSettings().remove(QStringLiteral("view/language"));
}

// The warning line under the grid scales with the zoom, as the form does:
// whole at every zoom, in both languages.
TEST_F(EnglishWindow, TheWarningLineFitsAtEveryZoom)
{
    for (const Language language : { Language::English, Language::Bulgarian }) {
        installLanguage(language);
        TestWindow window;
        window.layOut(2);
        window.type({ { "1", "1", "2" }, { "1", "1.0001", "2.0001" } });
        window.solve();
        auto* status = window.main->findChild<QStatusBar*>(QStringLiteral("warningBar"));
        ASSERT_NE(status, nullptr);
        ASSERT_FALSE(status->currentMessage().isEmpty());
        for (const double zoom : { 0.5, 0.75, 1.0, 1.5 }) {
            window.main->zoom().byHand(zoom);
            window.main->show();
            EXPECT_LE(
                QFontMetrics(status->font()).horizontalAdvance(status->currentMessage()), status->width())
                << languageCode(language).toStdString() << " at " << zoom;
        }
    }
}

// The letter a text's "&" marks, lower case; none where it has none.
QChar mnemonicOf(const QString& text)
{
    for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && at + 1 < text.size();
         at = text.indexOf(QLatin1Char('&'), at + 2)) {
        if (text[at + 1] != QLatin1Char('&'))
            return text[at + 1].toLower();
    }
    return {};
}

// Each letter marks one command of a menu, or one control of a window.
void expectOneCommandPerLetter(const QStringList& texts, const std::string& where)
{
    QMap<QChar, QString> taken;
    for (const QString& text : texts) {
        const QChar letter = mnemonicOf(text);
        // The same command in each of a window's rows ("Check" of each step) is one.
        if (letter.isNull() || taken.value(letter) == text)
            continue;
        EXPECT_FALSE(taken.contains(letter))
            << where << ": “" << text.toStdString() << "” and “" << taken.value(letter).toStdString() << "”";
        taken.insert(letter, text);
    }
}

void expectOneCommandPerLetter(QMenu* menu, const std::string& where)
{
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << action->text();
        if (action->menu())
            expectOneCommandPerLetter(action->menu(), where + " → " + action->text().toStdString());
    }
    expectOneCommandPerLetter(texts, where);
}

// The texts that take a letter in a window: buttons, labels, check boxes.
QStringList mnemonicTexts(QWidget* window)
{
    QStringList texts;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy())
            texts << label->text();
    return texts;
}

// In every menu and window of the program, in both languages, one letter
// marks one command only.
TEST_F(EnglishWindow, EveryMenuAndWindowMarksEachLetterOnce)
{
    for (const Language language : { Language::English, Language::Bulgarian }) {
        installLanguage(language);
        const std::string code = languageCode(language).toStdString();
        TestWindow window;
        window.layOut(2);
        window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
        QStringList bar;
        for (QAction* menu : window.main->menuBar()->actions()) {
            bar << menu->text();
            expectOneCommandPerLetter(menu->menu(), code + " " + menu->text().toStdString());
        }
        expectOneCommandPerLetter(bar, code + " menu bar");
        window.main->practice().start();
        ASSERT_NE(window.main->practice().window(), nullptr);
        expectOneCommandPerLetter(mnemonicTexts(window.main->practice().window()), code + " practice");
        window.main->practice().showProgress();
        ASSERT_NE(window.main->practice().progressWindow(), nullptr);
        expectOneCommandPerLetter(mnemonicTexts(window.main->practice().progressWindow()), code + " progress");
        window.main->showWorksheet();
        ASSERT_NE(window.main->worksheetDialog(), nullptr);
        expectOneCommandPerLetter(mnemonicTexts(window.main->worksheetDialog()), code + " worksheet");
        window.main->worksheetDialog()->close();
    }
}

TEST_F(EnglishWindow, IsPixelForPixelTheReference)
{
    TestWindow window;
    window.layOut(3);
    window.type({ { "2", "-1.5", "0", "4" }, { "1", "3", "-2", "0.25" }, { "0", "1", "1", "-7" } });
    window.solve();
    window.main->show();
    const QImage rendered = window.main->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QString name = QStringLiteral("window-en-100.png");
    const QString reference = QStringLiteral(REFERENCE_FOLDER "/") + name;
    if (qEnvironmentVariableIntValue("CRAMER_WRITE_REFERENCES") == 1) {
        ASSERT_TRUE(rendered.save(reference));
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(expected.isNull()) << "no reference " << reference.toStdString();
    if (rendered != expected)
        rendered.save(QDir::current().filePath(name));
    EXPECT_TRUE(rendered == expected)
        << "the English window differs from " << reference.toStdString() << "; this rendering is in "
        << QDir::current().filePath(name).toStdString();
}

// The guide in English, with the English window's pictures, and the manual
// page made from it: every section of the guide a section of the page.
TEST_F(EnglishWindow, GuideAndManualPageAreInEnglish)
{
    TestWindow window;
    window.activate();
    QTest::keyClick(window.main.get(), Qt::Key_F1);
    ASSERT_NE(window.main->helpWindow(), nullptr);
    const QTextBrowser* view = window.main->helpWindow()->view();
    EXPECT_FALSE(hasCyrillic(view->toPlainText()));
    EXPECT_FALSE(view->document()
                     ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("result-en.png")))
                     .isNull());
    QFile manual(QStringLiteral(ENGLISH_MANUAL_PAGE));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(manual.readAll());
    EXPECT_FALSE(hasCyrillic(page));
    int sections = 0;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 2) {
            ++sections;
            EXPECT_TRUE(page.contains(QStringLiteral(".SS ") + block.text())) << block.text().toStdString();
        }
    QFile bulgarian(QStringLiteral(":/guide/guide.md"));
    ASSERT_TRUE(bulgarian.open(QIODevice::ReadOnly));
    EXPECT_EQ(sections, QString::fromUtf8(bulgarian.readAll()).count(QStringLiteral("\n## ")))
        << "as many sections as the Bulgarian guide";
}

// The choice is the next start's; a box says so once, when it changes.
TEST(LanguageMenu, RemembersTheChoiceForTheNextStart)
{
    QSettings().remove(QStringLiteral("view/language"));
    TestWindow window;
    EXPECT_EQ(rememberedLanguage(), Language::Bulgarian);
    const QList<QAction*> entries = window.main->language().menu()->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_TRUE(entries[0]->isChecked()) << "Bulgarian speaks now";
    entries[1]->trigger();
    EXPECT_EQ(rememberedLanguage(), Language::English);
    EXPECT_EQ(installedLanguage(), Language::Bulgarian) << "until the next start";
    ASSERT_EQ(window.boxes.shown.size(), 1U);
    entries[1]->trigger();
    EXPECT_EQ(window.boxes.shown.size(), 1U) << "nothing new to say";
    entries[0]->trigger();
    EXPECT_EQ(rememberedLanguage(), Language::Bulgarian);
    QSettings().remove(QStringLiteral("view/language"));
}

} // namespace
} // namespace cramer
