// SPDX-License-Identifier: GPL-3.0-or-later

// What the program says about files, cells and its own writing, made
// without a window: every place named, every name kept whole, and the
// working written in the format asked for whatever the file is called.

#include "report/figure.h"
#include "report/file_messages.h"
#include "report/language.h"
#include "report/runs.h"
#include "report/solve_messages.h"
#include "report/working_export.h"
#include "report/working_forms.h"
#include "report/working_texts.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace cramer {
namespace {

const NumberLocale kBulgarian { ",", "\u00A0" };

Runs text(const char* words) { return { textRun(QString::fromUtf8(words)) }; }
std::string plain(const Runs& runs) { return labelText(runs).toStdString(); }

// Counts in each language's own plural forms, through Qt's numerus entries.
TEST(PluralForms, AgreeWithTheirCountInBothLanguages)
{
    const struct {
        Language language;
        std::vector<const char*> rows;
        std::vector<const char*> digits;
    } kLanguages[] = {
        { Language::Bulgarian, { "0 реда", "1 ред", "2 реда", "5 реда", "21 реда" },
            { "верни са 0 значещи цифри", "вярна е 1 значеща цифра", "верни са 2 значещи цифри",
                "верни са 5 значещи цифри", "верни са 21 значещи цифри" } },
        { Language::English, { "0 rows", "1 row", "2 rows", "5 rows", "21 rows" },
            { "0 significant digits are correct", "1 significant digit is correct",
                "2 significant digits are correct", "5 significant digits are correct",
                "21 significant digits are correct" } },
    };
    for (const auto& language : kLanguages) {
        ASSERT_TRUE(installLanguage(language.language, QtTexts::AsQtWritesThem));
        const int counts[] = { 0, 1, 2, 5, 21 };
        for (std::size_t i = 0; i < std::size(counts); ++i) {
            EXPECT_EQ(texts::qtText(texts::kRows, counts[i]).toStdString(), language.rows[i]);
            EXPECT_EQ(texts::qtText(texts::kAccuracyRightDigits, counts[i]).toStdString(), language.digits[i]);
        }
    }
    installLanguage(Language::Bulgarian, QtTexts::AsQtWritesThem);
}

// A name holding "%1" or "%2" stays as it is: each blank is filled once;
// a count is digits in any language, a name's index only when it is a name.
TEST(Filled, PutsEachArgumentInItsPlaceOnce)
{
    EXPECT_EQ(
        plain(filled(CRAMER_TEXT("Test", "„%1“ и „%2“"), { text("a%2.csv"), text("b") })), "„a%2.csv“ и „b“");
    EXPECT_EQ(plain(filled(CRAMER_TEXT("Test", "%2, после %1"), { text("първо"), text("второ") })),
        "второ, после първо");
    EXPECT_EQ(
        plain(filled(CRAMER_TEXT("Test", "%1 = %2"), { indexedName('d', 2), text("−21") })), "d₂ = −21");
    EXPECT_EQ(plain(filled(CRAMER_TEXT("Test", "a %1"), { 3 })), "a 3");
}

// A file's fault in one sentence naming the file and the place.
struct FileMessageCase {
    const char* name;
    FileError error;
    const char* path;
    const char* expected;
};

void PrintTo(const FileMessageCase& c, std::ostream* os) { *os << c.name; }

class FileMessage : public testing::TestWithParam<FileMessageCase> { };

TEST_P(FileMessage, NamesTheFileAndThePlace)
{
    const FileMessageCase& c = GetParam();
    EXPECT_EQ(fileErrorMessage(c.error, QString::fromUtf8(c.path), kBulgarian).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Problems, FileMessage,
    testing::Values(FileMessageCase { "NotUtf8", { .problem = FileProblem::NotUtf8, .line = 2 },
                        "/home/u/a%1.csv", "Файлът „/home/u/a%1.csv“ не е текст в UTF-8 (ред 2)." },
        FileMessageCase { "TextInALine",
            { .problem = FileProblem::NotANumber, .line = 3, .number = 2, .text = "x" }, "s.csv",
            "Във файла „s.csv“, ред 3, поле 2: „x“ не е число." },
        FileMessageCase { "DateInASheet",
            { .problem = FileProblem::DateCell,
                .line = 2,
                .number = 2,
                .text = "15.03.2024",
                .sheet = "Лист %2" },
            "s.xlsx",
            "Във файла „s.xlsx“, лист „Лист %2“, клетка B2: дата („15.03.2024“), а не число. Запиши в "
            "клетката числото, без формат за дата." },
        // A row too long names the cell that is one too many.
        FileMessageCase { "OneCellTooMany",
            { .problem = FileProblem::Ragged, .line = 2, .count = 4, .expected = 3, .otherNumber = 4,
                .otherText = "7" },
            "s.csv",
            "Във файла „s.csv“, ред 2: 4 полета, очакват се 3 (коефициентите и свободният член). В повече е "
            "поле 4: „7“." },
        FileMessageCase { "TwoSystems", { .problem = FileProblem::SeveralSystems, .line = 1, .count = 2,
                                             .sheet = "Лист1", .otherLine = 4 },
            "s.xlsx",
            "Във файла „s.xlsx“, лист „Лист1“, има 2 системи една под друга, първата от ред 1, втората от "
            "ред 4. Сложи всяка система на отделен лист и избери листа с „Файл → Лист“ (или с --sheet)." },
        FileMessageCase { "BeyondSingle",
            { .problem = FileProblem::OutOfRange, .line = 1, .number = 1, .text = "1e39" }, "s.csv",
            "Във файла „s.csv“, ред 1, поле 1: „1e39“ е твърде голямо (програмата работи с числа до "
            "3,402823·10³⁸ по абсолютна стойност)." },
        FileMessageCase { "NoEquations", { .problem = FileProblem::SizeOutOfRange, .count = 1 }, "s.csv",
            "Във файла „s.csv“ има 1 уравнение, а програмата решава системи от 2 до 9 уравнения." },
        FileMessageCase { "CannotWrite",
            { .problem = FileProblem::CannotWrite, .text = "Read-only file system", .systemError = EROFS },
            "s.csv", "Файлът „s.csv“ не може да бъде записан: файловата система е само за четене." },
        FileMessageCase { "RefusedForAnUncommonReason",
            { .problem = FileProblem::CannotWrite,
                .text = "Invalid cross-device link",
                .systemError = EXDEV },
            "s.csv", "Файлът „s.csv“ не може да бъде записан: Invalid cross-device link." }),
    [](const auto& info) { return std::string(info.param.name); });

// The working in the format asked for, whatever the name ends in; a folder
// that is not there is named as the reason.
TEST(WriteWorking, WritesTheFormatAskedForAndSaysWhyItCannot)
{
    const WorkingDocument document
        = workingDocument(WorkedSolution(solveQuietly(2, { "2", "1", "5", "1", "-3", "-8" }, { ".", "" })));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const struct {
        WorkingFormat format;
        const char* name;
        const char* start;
    } kForms[] = { { WorkingFormat::Text, "working.html", "Подробно решение\n" },
        { WorkingFormat::Html, "working.txt", "<!DOCTYPE html>" },
        { WorkingFormat::Latex, "working.pdf", "\\documentclass" } };
    for (const auto& form : kForms) {
        const QString path = folder.filePath(QLatin1String(form.name));
        ASSERT_FALSE(writeWorking(document, form.format, path)) << form.name;
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().startsWith(form.start)) << form.name;
    }
    const FileError error
        = writeWorking(document, WorkingFormat::Text, folder.filePath("missing/working.txt"));
    EXPECT_EQ(error.problem, FileProblem::CannotWrite);
    EXPECT_EQ(systemErrorText(error).toStdString(), "няма такъв файл или папка");
}

} // namespace
} // namespace cramer
