// SPDX-License-Identifier: GPL-3.0-or-later

// Systems in files through the window: saved and opened again, every bad
// file with its message and the grid unchanged, recent files, drops, and a
// new exercise.

#include "window/shell/exercises.h"
#include "window/shell/system_files.h"
#include "window/shell/user_files.h"

#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::TestWindow;

class FilesInWindow : public testing_support::EnglishLocaleTest {
protected:
    void SetUp() override
    {
        EnglishLocaleTest::SetUp();
        QSettings().remove(QStringLiteral("files/recent"));
    }
    QString write(const char* name, const QByteArray& content) const
    {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(FilesInWindow, SaveThenOpenGivesTheSameSystem)
{
    TestWindow window;
    window.layOut(3);
    window.type(
        { { "1,234.5", "-0", "1.4E-45", "0.1" }, { "2", "3", "4", "5" }, { "+6", "7", "8.50", "9" } });
    const TypedSystem typed = window.form->typedSystem();
    const QString path = folder.filePath("system.csv");
    ASSERT_TRUE(window.main->files().saveAction()->isEnabled());
    ASSERT_TRUE(window.main->files().saveTo(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // Each number exactly as typed, with "." and without grouping.
    EXPECT_EQ(saved.readAll(), QByteArray("1234.5,-0,1.4E-45,0.1\n2,3,4,5\n+6,7,8.50,9\n"));

    TestWindow other;
    ASSERT_TRUE(other.main->files().open(path));
    EXPECT_EQ(other.form->store().SystemSize, 3);
    EXPECT_EQ(other.form->cell(1, 1)->text(), "1234.5");
    EXPECT_EQ(other.form->cell(3, 3)->text(), "8.50");
    EXPECT_EQ(other.main->files().recentFiles().front(), QFileInfo(path).absoluteFilePath());
    EXPECT_TRUE(other.main->files().recentMenu()->isEnabled());
    other.solve();
    window.solve();
    EXPECT_EQ(other.form->label(121)->text(), window.form->label(121)->text());
}

QByteArray spreadsheet(const char* name)
{
    QFile file(QStringLiteral(SPREADSHEETS_FOLDER "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct BadFileCase {
    const char* name;
    QByteArray content;
    const char* message;
};

void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.name; }

class BadFileInWindow : public FilesInWindow, public testing::WithParamInterface<BadFileCase> { };

TEST_P(BadFileInWindow, GetsOneMessageAndLeavesTheGrid)
{
    const BadFileCase& c = GetParam();
    TestWindow window;
    window.type({ { "1", "2", "3" }, { "4", "5", "6" } });
    const TypedSystem before = window.form->typedSystem();
    QString path = c.content.isNull() ? folder.filePath("missing.csv") : write("bad.csv", c.content);
    if (QByteArray(c.name) == "Folder")
        path = folder.path();
    EXPECT_FALSE(window.main->files().open(path));
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].title, QString::fromUtf8("Отваряне на система"));
    // A date as the user's locale writes it short.
    const QString expected = QString::fromUtf8(c.message)
                                 .arg(QDir::toNativeSeparators(path))
                                 .replace(QStringLiteral("DATE"),
                                     QLocale().toString(QDate(2024, 3, 15), QLocale::ShortFormat));
    EXPECT_TRUE(window.boxes.shown[0].text.startsWith(expected)) << window.boxes.shown[0].text.toStdString();
    EXPECT_TRUE(
        window.boxes.shown[0].text.endsWith(QString::fromUtf8("Системата в таблицата не е променена.")));
    EXPECT_EQ(window.form->typedSystem(), before);
}

INSTANTIATE_TEST_SUITE_P(Files, BadFileInWindow,
    testing::Values(BadFileCase { "Missing", QByteArray(), "Файлът „%1“ не съществува." },
        BadFileCase { "Folder", "", "„%1“ не е файл." },
        BadFileCase { "Windows1251", "1,2,3\n4,5,\xFE\n", "Във файла „%1“, ред 2, поле 3: „ю“ не е число." },
        BadFileCase { "Empty", "# only a comment\n", "Във файла „%1“ няма уравнения." },
        BadFileCase { "Ragged", "1,2,3\n4,5\n",
            "Във файла „%1“, ред 2: 2 полета, очакват се 3 (коефициентите и свободният член)." },
        BadFileCase { "TooManyEquations", QByteArray("1,2\n").repeated(10),
            "Във файла „%1“ има 10 уравнения, а програмата решава системи от 2 до 9 уравнения." },
        BadFileCase {
            "NotANumber", "1;2;3\n4;1,2,3;6\n", "Във файла „%1“, ред 2, поле 2: „1,2,3“ не е число." },
        BadFileCase {
            "BeyondSingle", "1,2,3\n4,5,-1E40\n", "Във файла „%1“, ред 2, поле 3: „-1E40“ е твърде голямо" },
        BadFileCase { "GroupingOrDecimalComma", "1,234;2;3\n4;5;6\n",
            "Във файла „%1“, ред 1, поле 1: „1,234“ може да се прочете по два начина" },
        BadFileCase { "WordInAWorkbook", spreadsheet("text-among-numbers.xlsx"),
            "Във файла „%1“, лист „Задача“, клетка B2: „пет“ не е число." },
        BadFileCase { "EncryptedOrOldExcel",
            QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + QByteArray(504, '\0'),
            "Файлът „%1“ е защитен с парола или е в стария двоичен формат на Excel (.xls)" },
        BadFileCase { "OverOneMegabyte", QByteArray(1024 * 1024 + 1, '1'),
            "Файлът „%1“ е по-голям от 1 MB: това не е файл със система уравнения." },
        BadFileCase { "HalfAMillionRows", QByteArray("7\n").repeated(500000),
            "Файлът „%1“ има над 4000 реда: това не е файл със система уравнения." },
        BadFileCase { "RaggedByALabel", "Уравнение 1,1,1,3\n1,-1,1\n",
            "Във файла „%1“, ред 1: 4 полета, очакват се 3 (коефициентите и свободният член). Текстът "
            "„Уравнение 1“ (поле 1) не е число." },
        BadFileCase { "DateInAWorkbook", spreadsheet("py-date-cell.xlsx"),
            "Във файла „%1“, лист „Лист1“, клетка B2: дата („DATE“), а не число." },
        BadFileCase { "ErrorValueInColumnA", spreadsheet("calc-error-in-column-a.ods"),
            "Във файла „%1“, лист „Лист1“, клетка A1: грешка „#DIV/0!“ от формула, а не число." },
        BadFileCase { "NoEquationsOnAnySheet", spreadsheet("calc-no-equations.xlsx"),
            "Във файла „%1“ няма уравнения: прегледани са листовете „Указания“, „Бележки“ (скритите листове "
            "не се четат)." }),
    [](const testing::TestParamInfo<BadFileCase>& info) { return std::string(info.param.name); });

TEST_F(FilesInWindow, CalcsWorkbooksAndExportsOpenAsOneSystem)
{
    const std::vector<std::string> system { "0.1", "2.5", "-3.75", "1", "2", "0.001", "4", "-1.2", "5", "6",
        "0.333333333333333", "2.001" };
    for (const char* name :
        { "calc.ods", "calc.xlsx", "calc-bg.csv", "calc-bg-semicolon.csv", "calc-en.csv" }) {
        TestWindow window;
        ASSERT_TRUE(window.main->files().open(QStringLiteral(SPREADSHEETS_FOLDER "/") + QLatin1String(name)))
            << name;
        EXPECT_EQ(window.form->typedSystem().texts, system) << name;
        EXPECT_TRUE(window.boxes.shown.empty()) << name;
    }
}

// Ctrl+S after a workbook or another program's CSV was opened: the file
// keeps its bytes, and a CSV of the program's own is proposed beside it.
TEST_F(FilesInWindow, SaveNeverWritesOverAFileOfAnotherKind)
{
    for (const char* name : { "calc.ods", "calc.xlsx", "calc-bg-semicolon.csv" }) {
        const QByteArray original = spreadsheet(name);
        const QString path = write(name, original);
        TestWindow window;
        window.activate();
        ASSERT_TRUE(window.main->files().open(path)) << name;
        window.form->cell(1, 1)->setText(QStringLiteral("7"));
        EXPECT_FALSE(window.main->files().savesWithoutAsking()) << name;
        const QString proposed = QFileInfo(path).dir().filePath(QFileInfo(path).completeBaseName() + ".csv");
        EXPECT_EQ(window.main->files().saveTarget(), proposed) << name;
        EXPECT_TRUE(window.main->windowTitle().startsWith(QFileInfo(proposed).fileName() + " - ")) << name;

        QString offered;
        QStringList filters;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            offered = dialog->selectedFiles().value(0);
            filters = dialog->nameFilters();
            dialog->reject();
        });
        window.main->files().saveAction()->trigger();
        EXPECT_EQ(offered, proposed) << name;
        EXPECT_EQ(filters, QStringList { QString::fromUtf8("Системи CSV (*.csv)") }) << name;

        // A name typed without its suffix gets ".csv".
        const QString typed = folder.filePath(QStringLiteral("typed-%1").arg(QFileInfo(path).suffix()));
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        window.main->files().saveAsAction()->trigger();
        EXPECT_TRUE(QFile::exists(typed + ".csv")) << name;
        QFile kept(path);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), original) << name;
    }
}

TEST_F(FilesInWindow, TheProgramsOwnCsvIsSavedInPlace)
{
    const QString path = write("own.csv", "1,2,3\n4,5,6\n");
    TestWindow window;
    ASSERT_TRUE(window.main->files().open(path));
    EXPECT_TRUE(window.main->files().savesWithoutAsking());
    EXPECT_EQ(window.main->windowTitle(),
        QString::fromUtf8("own.csv - системи линейни уравнения - метод на КРАМЕР"));
    window.form->cell(1, 1)->setText(QStringLiteral("7"));
    window.main->files().saveAction()->trigger();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("7,2,3\n4,5,6\n"));
}

TEST_F(FilesInWindow, ADroppedFileOpensEvenOnACell)
{
    TestWindow window;
    const QString path = write("dropped.csv", "1,1,3\n1,-1,1\n");
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path) });
    data.setText(path);
    GridCell* target = window.form->cell(4, 4);
    QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(3, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(window.form->typedSystem().texts, std::vector<std::string>({ "1", "1", "3", "1", "-1", "1" }));
    EXPECT_TRUE(target->text().isEmpty()) << "the cell took the file's name";
}

TEST_F(FilesInWindow, NewExerciseFillsTheGridForTheSelectedSizeAndWaits)
{
    TestWindow window;
    window.main->exercises().setSeed(2026);
    window.form->option(3)->setChecked(true); // n = 4
    window.main->exercises().newExerciseAction()->trigger();
    EXPECT_EQ(window.form->store().SystemSize, 4);
    EXPECT_TRUE(window.form->holdsSystem());
    EXPECT_TRUE(window.boxes.shown.empty()) << "nothing is solved until the user asks";
    window.solve();
    for (int row = 1; row <= 4; ++row) {
        bool whole = false;
        window.form->label(119 + 2 * row)->text().toInt(&whole);
        EXPECT_TRUE(whole) << window.form->label(119 + 2 * row)->text().toStdString();
    }
}

// A workbook whose shown sheet holds no system names the sheet read; one
// with several systems offers them in File → Лист, and choosing one reads it.
TEST_F(FilesInWindow, TheSheetReadIsNamedAndAnotherCanBeChosen)
{
    TestWindow window;
    ASSERT_TRUE(window.main->files().open(QStringLiteral(SPREADSHEETS_FOLDER "/calc-shown-sheet-no-system.ods")));
    EXPECT_TRUE(window.main->windowTitle().startsWith(QString::fromUtf8("calc-shown-sheet-no-system.csv (лист „Система“) - ")))
        << window.main->windowTitle().toStdString();
    auto* status = window.main->findChild<QStatusBar*>(QStringLiteral("warningBar"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->currentMessage(),
        QString::fromUtf8("Прочетен е листът „Система“: показаният лист „Задача“ няма система."));
    EXPECT_FALSE(window.main->files().sheetMenu()->isEnabled());

    ASSERT_TRUE(window.main->files().open(QStringLiteral(SPREADSHEETS_FOLDER "/gnumeric-two-systems.xlsx")));
    EXPECT_TRUE(status->currentMessage().isEmpty());
    const QList<QAction*> sheets = window.main->files().sheetMenu()->actions();
    ASSERT_EQ(sheets.size(), 2);
    EXPECT_TRUE(sheets[0]->isChecked());
    sheets[1]->trigger();
    EXPECT_EQ(window.form->typedSystem().texts, std::vector<std::string>({ "2", "0", "2", "0", "2", "4" }));
    EXPECT_TRUE(window.main->windowTitle().contains(QString::fromUtf8("(лист „Вариант 2“)")));
    EXPECT_TRUE(window.main->files().sheetMenu()->actions()[1]->isChecked());
}

// Answers each file dialog as it opens, in turn: a name typed with a
// filter chosen, or, once the replies run out, Cancel.
class DialogReplies : public QObject {
public:
    struct Reply {
        QString name;
        int filter = 0;
    };
    explicit DialogReplies(std::vector<Reply> replies)
        : replies_(std::move(replies))
    {
        timer_.callOnTimeout(this, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || dialog == answered_)
                return;
            answered_ = dialog;
            ++opened;
            if (next_ == replies_.size()) {
                dialog->reject();
                return;
            }
            const Reply& reply = replies_[next_++];
            dialog->selectNameFilter(dialog->nameFilters().value(reply.filter));
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(reply.name);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        timer_.start(5);
    }
    int opened = 0;

private:
    std::vector<Reply> replies_;
    std::size_t next_ = 0;
    QPointer<QFileDialog> answered_;
    QTimer timer_;
};

// Every save dialog asks about the very file it writes: the type chosen
// adds its suffix after the dialog, so a file it did not name is asked
// about, and No opens the dialog again.
TEST_F(FilesInWindow, EverySaveAsksAboutTheFileItWrites)
{
    const QStringList kCsv { QString::fromUtf8("Системи CSV (*.csv)") };
    const QStringList kWorking { "HTML (*.html *.htm)", "PDF (*.pdf)" };
    const struct {
        QStringList filters;
        std::vector<DialogReplies::Reply> replies;
        bool yes;
        const char* written; // nothing: cancelled
        int type;
        const char* askedAbout; // nothing: no question
    } kSaves[] = {
        // The workbook's name typed in the CSV dialog: another program's CSV beside it is asked about.
        { kCsv, { { "c01_base.ods" } }, false, nullptr, 0, "c01_base.ods.csv" },
        { kCsv, { { "c01_base.ods" } }, true, "c01_base.ods.csv", 0, "c01_base.ods.csv" },
        { kCsv, { { "system" } }, true, "system.csv", 0, "system.csv" },
        { kCsv, { { "system" }, { "fresh" } }, false, "fresh.csv", 0, "system.csv" },
        { kCsv, { { "SYSTEM.CSV" } }, true, "SYSTEM.CSV", 0, "SYSTEM.CSV" },
        { kWorking, { { "working", 1 } }, true, "working.pdf", 1, nullptr },
        { kWorking, { { "page.htm", 0 } }, true, "page.htm", 0, nullptr },
        { kWorking, { { "c01_base.ods", 1 } }, true, "c01_base.ods.pdf", 1, nullptr },
    };
    for (const auto& save : kSaves) {
        QTemporaryDir files;
        for (const char* name : { "c01_base.ods", "c01_base.ods.csv", "system.csv", "SYSTEM.CSV" }) {
            QFile file(files.filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
        const QString context = save.replies.front().name;
        testing_support::RecordingMessageBoxes boxes;
        boxes.answer = save.yes;
        DialogReplies replies(save.replies);
        const auto chosen = askFileToSave(nullptr, boxes, "title", files.filePath("suggested"), save.filters);
        EXPECT_EQ(chosen.has_value(), save.written != nullptr) << context.toStdString();
        if (chosen) {
            EXPECT_EQ(chosen->path, files.filePath(QLatin1String(save.written))) << context.toStdString();
            EXPECT_EQ(chosen->type, save.type) << context.toStdString();
        }
        ASSERT_EQ(boxes.shown.size(), save.askedAbout ? 1U : 0U) << context.toStdString();
        if (save.askedAbout) {
            EXPECT_TRUE(boxes.shown[0].text.contains(QString::fromUtf8("„%1“").arg(save.askedAbout)))
                << boxes.shown[0].text.toStdString();
        }
    }
}

// After a workbook was opened, Ctrl+S and its name typed again: no file is
// replaced unless the user says so of that very file.
TEST_F(FilesInWindow, SavingUnderAWorkbooksNameReplacesNothingUnasked)
{
    const QByteArray workbook = spreadsheet("calc.ods");
    const QString path = write("c01_base.ods", workbook);
    const QString beside = write("c01_base.ods.csv", "another program's\n");
    TestWindow window;
    window.activate();
    ASSERT_TRUE(window.main->files().open(path));
    window.boxes.answer = false;
    DialogReplies replies({ { "c01_base.ods" } });
    window.main->files().saveAction()->trigger();
    EXPECT_EQ(replies.opened, 2); // asked again after No, then cancelled
    for (const auto& [name, bytes] : { std::pair { path, workbook }, std::pair { beside, QByteArray("another program's\n") } }) {
        QFile kept(name);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), bytes) << name.toStdString();
    }
}

} // namespace
} // namespace cramer
