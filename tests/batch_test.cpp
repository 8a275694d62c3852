// SPDX-License-Identifier: GPL-3.0-or-later

// The program without a window, as scripts call it: exit codes and output
// for good, bad, singular and overflowing systems, a golden worked solution,
// PDF, new exercises, all with no display.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct Finished {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Started without a display, in the C locale unless `language` names another.
Finished cramer(const QStringList& arguments, const QByteArray& input = {}, const QString& language = {},
    const QString& libraries = {})
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
        { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_NUMERIC", "LANG" })
        environment.remove(QString::fromLatin1(variable));
    if (!language.isEmpty())
        environment.insert(QStringLiteral("LANG"), language);
    if (!libraries.isEmpty())
        environment.insert(QStringLiteral("LD_LIBRARY_PATH"), libraries);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CRAMER_PROGRAM), arguments);
    program.write(input);
    program.closeWriteChannel();
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return { program.exitCode(), program.readAllStandardOutput(),
        QString::fromUtf8(program.readAllStandardError()) };
}

struct BatchCase {
    const char* name;
    QStringList arguments;
    QByteArray input;
    int exitCode;
    QByteArray out; // exactly, where given
    const char* errorFragment;
    const char* language = "";
    const char* outFragment = "";
};

void PrintTo(const BatchCase& c, std::ostream* os) { *os << c.name; }

class Batch : public testing::TestWithParam<BatchCase> { };

TEST_P(Batch, AnswersWithTheExitCodeAndOutputOfItsCase)
{
    const BatchCase& c = GetParam();
    const Finished run = cramer(c.arguments, c.input, QString::fromUtf8(c.language));
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
    if (!c.out.isNull()) {
        EXPECT_EQ(run.out, c.out);
    }
    // The working's prose is wrapped at 80 columns: fragments are looked for in it unwrapped.
    EXPECT_TRUE(QString::fromUtf8(run.out).simplified().contains(QString::fromUtf8(c.outFragment)))
        << run.out.toStdString();
    EXPECT_TRUE(run.err.simplified().contains(QString::fromUtf8(c.errorFragment))) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, Batch,
    testing::Values(BatchCase { "SolvedAsCsv", { "--solve", "-", "--format", "csv" }, "3,0,1\n0,3,2\n", 0,
                        "0.33333334,0.6666667\n", "" },
        BatchCase { "PastedFormAndLocale", { "--solve", "-", "--format", "csv", "--locale", "bg_BG" },
            "0,5 0,25 1\n0,25 0,5 1\n", 0, "1,3333334;1,3333334\n", "" },
        BatchCase { "LocaleOfTheEnvironment", { "--solve", "-", "--format", "csv" },
            "0,5 0,25 1\n0,25 0,5 1\n", 0, "1,3333334;1,3333334\n", "", "bg_BG.UTF-8" },
        BatchCase { "LocaleCForcedOverTheEnvironment", { "--solve", "-", "--format", "csv", "--locale", "C" },
            "0,5;0,25;1\n0,25;0,5;1\n", 0, "1.3333334,1.3333334\n", "", "bg_BG.UTF-8" },
        BatchCase { "CalcOdsWithoutOptions",
            { "--solve", SPREADSHEETS_FOLDER "/calc.ods", "--format", "csv" }, "", 0,
            "25.225388,-19.970562,-12.907692\n", "" },
        BatchCase { "CalcXlsxUnderBulgarian",
            { "--solve", SPREADSHEETS_FOLDER "/calc.xlsx", "--format", "csv" }, "", 0,
            "25,225388;-19,970562;-12,907692\n", "", "bg_BG.UTF-8" },
        BatchCase { "CalcBulgarianCsvWithoutOptions",
            { "--solve", SPREADSHEETS_FOLDER "/calc-bg.csv", "--format", "csv" }, "", 0,
            "25.225388,-19.970562,-12.907692\n", "" },
        BatchCase { "BadNumberNamesLineAndNumber", { "--solve", "-" }, "1,2,3\n4,x5,6\n", 1, "",
            "ред 2, поле 2: „x5“ не е число." },
        BatchCase { "SingularWithItsVerdict", { "--solve", "-", "--format", "csv" }, "1,2,1\n2,4,3\n", 2, "",
            "системата няма решение (несъвместима е)." },
        BatchCase { "SingularButRegularExactly", { "--solve", "-" }, "1,1,2\n1,1.00000001,3\n", 2,
            QByteArray(), "точно d = 1/100000000 = 0.00000001, а не 0" },
        BatchCase { "ExactlySingularThoughSingleSolvedIt", { "--solve", "-", "--format", "csv" },
            "-0.1,-0.3,-0.8\n0.3,0.9,0.9\n", 2, "", "системата няма решение" },
        BatchCase { "OverflowWithTheWorkingUpToIt", { "--solve", "-" }, "1E30,0,1\n0,1E30,1\n", 3,
            QByteArray(), "Детерминантата d излиза извън обхвата", "",
            "1·10³⁰ · 1·10³⁰ излиза извън обхвата" },
        BatchCase { "OverflowWritesNoCsv", { "--solve", "-", "--format", "csv" }, "1E30,0,1\n0,1E30,1\n", 3,
            "", "Детерминантата d излиза извън обхвата" },
        BatchCase { "TypedNumberBeyondSingle", { "--solve", "-" }, "1e39,1,1\n1,1,2\n", 3, "",
            "„1e39“ е твърде голямо" },
        BatchCase { "BelowTheSmallestSingleIsNoTooManyDigits", { "--solve", "-" }, "1e-200,1,1\n1,1,2\n", 0,
            QByteArray(), "", "",
            "„1e-200“ за коефициента пред x1 в уравнение 1 е по абсолютна стойност под" },
        BatchCase { "CannotWrite", { "--solve", "-", "--output", "/nonexistent/folder/out.txt" },
            "3,0,1\n0,3,2\n", 4, "", "не може да бъде записан" },
        BatchCase { "UnknownFormat", { "--solve", "-", "--format", "doc" }, "", 1, "",
            "--format приема text, html, latex, pdf или csv, а не „doc“." },
        BatchCase { "UnknownLocale", { "--solve", "-", "--locale", "bogus" }, "3,0,1\n0,3,2\n", 1, "",
            "--locale приема име на локал като bg_BG, bg_BG.UTF-8, en_US или C, а не „bogus“." },
        BatchCase {
            "UnknownOption", { "--solve", "-", "--frobnicate" }, "", 1, "", "непозната опция „frobnicate“" },
        BatchCase { "OptionWithoutValue", { "--solve", "-", "--output" }, "", 1, "",
            "опцията „--output“ иска стойност" },
        BatchCase { "GroupingCommaWithNothingToTellIt", { "--solve", "-" }, "\"1,500\",2,3\n4,5,6\n", 1, "",
            "„1,500“ може да се прочете по два начина: със знак между хилядите или с десетичен знак. "
            "Запиши го "
            "без знак между хилядите. Ако запетаята е десетична, посочи --locale bg_BG." },
        BatchCase { "DecimalCommaToldByTheLocale", { "--solve", "-", "--format", "csv", "--locale", "bg_BG" },
            "\"1,500\",2,3\n4,5,6\n", 0, "-5,999997;5,999997\n", "" },
        BatchCase { "FaultyCommaCsvUnderBulgarianTooBeyondSingle", { "--solve", "-" }, "1e39,1,1\n1,1,2\n", 3,
            "", "„1e39“ е твърде голямо", "bg_BG.UTF-8" },
        BatchCase { "FaultyCommaCsvUnderBulgarianShortRow", { "--solve", "-" }, "1,2,3\n4,5\n", 1, "",
            "ред 2: 2 полета, очакват се 3", "bg_BG.UTF-8" },
        BatchCase { "ZeroSolutionHasNoSign", { "--solve", "-", "--format", "csv" }, "-1,0,0\n0,1,1\n", 0,
            "0,1\n", "" },
        // The working's verdict: only an intermediate value left the range, in the working's notation.
        BatchCase { "IntermediateOutOfRange", { "--solve", "-", "--locale", "C" }, "1e-40,1,1\n1,1,2\n", 3,
            QByteArray(),
            "Детерминантата d е в обхвата на единичната точност, но междинна стойност при пресмятането ѝ "
            "излиза "
            "извън него (до 3.402823·10³⁸ по абсолютна стойност)" },
        BatchCase { "StandardOutputClosed", { "--solve", "-", "--output", "/dev/full" }, "3,0,1\n0,3,2\n", 4,
            "", "Файлът „/dev/full“ не може да бъде записан: няма свободно място на диска." },
        BatchCase { "NewExercise", { "--new-exercise", "2", "--seed", "3" }, "", 0, QByteArray(), "" },
        BatchCase { "NewExerciseOfTen", { "--new-exercise", "10" }, "", 1, "",
            "--new-exercise приема брой уравнения от 2 до 9, а не „10“." },
        // Worksheets: what cannot be made says why, and nothing is written.
        BatchCase { "WorksheetOfNone", { "--worksheet", "0" }, "", 1, "",
            "--worksheet приема брой варианти от 1 до 60, а не „0“." },
        BatchCase { "WorksheetOfTenEquations", { "--worksheet", "5", "--size", "10" }, "", 1, "",
            "--size приема брой уравнения от 2 до 9, а не „10“." },
        BatchCase { "WorksheetOfThreeAPage", { "--worksheet", "5", "--per-page", "3" }, "", 1, "",
            "--per-page приема 1, 2 или 4, а не „3“." },
        BatchCase { "WorksheetOfOtherAnswers", { "--worksheet", "5", "--answers", "roots" }, "", 1, "",
            "--answers приема integers, fractions или decimals, а не „roots“." },
        BatchCase { "WorksheetAsCsv", { "--worksheet", "5", "--format", "csv" }, "", 1, "",
            "--format приема за работен лист pdf, html, latex, text, ods или xlsx, а не „csv“." },
        BatchCase { "WorksheetTooManyForItsRange",
            { "--worksheet", "60", "--size", "2", "--range", "1", "--seed", "4" }, "", 1, "",
            "Програмата успя да направи само 9 от 60 различни варианта: с коефициенти и отговори от −1 до 1 "
            "няма повече различни системи с 2 уравнения." },
        BatchCase { "WorksheetNamesItsSeed", { "--worksheet", "2", "--seed", "42", "--key" }, "", 0,
            QByteArray(), "Код на листа (--seed): 42", "", "Вариант 2: d =" },
        // The words follow the language, the numbers the locale.
        BatchCase { "EnglishWordsInABulgarianLocale", { "--solve", "-", "--language", "en" },
            "2;0;1\n0;1;1\n", 0, QByteArray(), "", "bg_BG.UTF-8", "x1 = d1/d = 1/2 = 0,5" },
        // d below single's normal range becomes 0: the verdict says why.
        BatchCase { "DeterminantLostBelowTheRange", { "--solve", "-" }, "1e-40,0,1e-40\n0,1e-40,2e-40\n", 2,
            QByteArray(), "Толкова малко число е под обхвата на нормалните числа с единична точност" },
        BatchCase { "LanguageByALocalesName", { "--solve", "-", "--language", "EN_us" }, "2;0;1\n0;1;1\n", 0,
            QByteArray(), "", "bg_BG.UTF-8", "x1 = d1/d = 1/2 = 0,5" },
        // Refused in every language: the one who asked may read either.
        BatchCase { "UnknownLanguage", { "--solve", "-", "--language", "fr" }, "1,2,3\n4,5,6\n", 1, "",
            "--language приема bg или en, а не „fr“. / --language takes bg or en, not “fr”." }),
    [](const testing::TestParamInfo<BatchCase>& info) { return std::string(info.param.name); });

// The worked solution of each system in each form, word for word as read and
// pinned; CRAMER_WRITE_GOLDEN=1 writes them anew, to be read before committing.
struct GoldenCase {
    const char* system;
    const char* format;
    const char* suffix;
    const char* language = "bg";
};

void PrintTo(const GoldenCase& c, std::ostream* os)
{
    *os << c.system << '.' << c.language << '.' << c.format;
}

class GoldenWorking : public testing::TestWithParam<GoldenCase> { };

TEST_P(GoldenWorking, IsWordForWordThePinnedOne)
{
    const GoldenCase& c = GetParam();
    const QString folder = QStringLiteral(GOLDEN_FOLDER "/");
    const Finished run = cramer({ "--solve", folder + QString::fromUtf8(c.system) + ".csv", "--format",
        QString::fromUtf8(c.format), "--language", QString::fromUtf8(c.language) });
    const QString language
        = c.language == std::string("bg") ? QString() : "." + QString::fromUtf8(c.language);
    QFile golden(folder + QString::fromUtf8(c.system) + language + QString::fromUtf8(c.suffix));
    if (qEnvironmentVariableIsSet("CRAMER_WRITE_GOLDEN")) {
        ASSERT_TRUE(golden.open(QIODevice::WriteOnly));
        golden.write(run.out);
        return;
    }
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << golden.fileName().toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out).toStdString(), QString::fromUtf8(golden.readAll()).toStdString());
}

std::vector<GoldenCase> goldenCases()
{
    std::vector<GoldenCase> cases;
    for (const char* system :
        { "cross2", "sarrus3", "decimals3", "singular3", "nine9", "pivot3", "hilbert6" }) {
        cases.push_back({ system, "text", ".txt" });
        cases.push_back({ system, "html", ".html" });
        cases.push_back({ system, "latex", ".tex" });
    }
    for (const char* system : { "cross2", "singular3", "hilbert6" }) {
        cases.push_back({ system, "text", ".txt", "en" });
        cases.push_back({ system, "html", ".html", "en" });
        cases.push_back({ system, "latex", ".tex", "en" });
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Systems, GoldenWorking, testing::ValuesIn(goldenCases()),
    [](const testing::TestParamInfo<GoldenCase>& info) {
        const std::string language
            = info.param.language == std::string("bg") ? "" : "_" + std::string(info.param.language);
        return std::string(info.param.system) + language + "_" + info.param.format;
    });

TEST(BatchOutput, WritesPdfHtmlLatexAndExercisesThatReadBack)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath("working.pdf");
    ASSERT_EQ(cramer({ "--solve", "-", "--format", "pdf", "--output", pdf }, "3,0,1\n0,3,2\n").exitCode, 0);
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.read(5), "%PDF-");
    EXPECT_GT(written.size(), 2000);

    EXPECT_TRUE(cramer({ "--solve", "-", "--format", "html" }, "3,0,1\n0,3,2\n").out.contains("<h2>"));
    EXPECT_TRUE(cramer({ "--solve", "-", "--format", "latex" }, "3,0,1\n0,3,2\n")
                    .out.contains("\\begin{vmatrix*}[r]"));

    const Finished exercise = cramer({ "--new-exercise", "5", "--seed", "11", "--fractions" });
    EXPECT_EQ(exercise.out, cramer({ "--new-exercise", "5", "--seed", "11", "--fractions" }).out);
    EXPECT_EQ(cramer({ "--solve", "-", "--format", "csv" }, exercise.out).exitCode, 0);
}

// A worksheet is the same for the same seed, and its workbook, opened back,
// gives each variant's system: the one its text shows, with the key's answer.
TEST(BatchOutput, AWorksheetIsReproducibleAndItsWorkbookOpensBack)
{
    const QStringList worksheet { "--worksheet", "5", "--size", "3", "--answers", "decimals", "--seed", "12",
        "--key" };
    const Finished text = cramer(worksheet);
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_EQ(text.out, cramer(worksheet).out);
    QTemporaryDir folder;
    for (const char* form : { "ods", "xlsx" }) {
        const QString path = folder.filePath(QStringLiteral("ws.") + form);
        ASSERT_EQ(cramer(worksheet + QStringList { "--format", form, "--output", path }).exitCode, 0);
        for (int k = 1; k <= 5; ++k) {
            const Finished variant = cramer(
                { "--solve", path, "--sheet", QStringLiteral("Вариант %1").arg(k), "--format", "text" });
            ASSERT_EQ(variant.exitCode, 0) << variant.err.toStdString();
            // The same equations as the worksheet's text shows for variant k.
            const QString shown = QString::fromUtf8(text.out);
            const qsizetype at = shown.indexOf(QStringLiteral("Вариант %1\n").arg(k));
            ASSERT_GE(at, 0);
            const QStringList equations = shown.mid(at).split(QLatin1Char('\n')).mid(2, 3);
            for (const QString& equation : equations)
                EXPECT_TRUE(QString::fromUtf8(variant.out).contains(equation.trimmed()))
                    << form << " " << k << ": " << equation.toStdString();
        }
    }
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// --format decides, whatever the name; a link's target is written and the
// link kept; a pipe's reader gets the whole output; the input is never
// written over.
TEST(BatchOutput, IsWrittenInTheFormatAskedWhereverTheNamePoints)
{
    QTemporaryDir folder;
    const QString plain = folder.filePath("working");
    ASSERT_EQ(cramer({ "--solve", "-", "--format", "pdf", "--output", plain }, "3,0,1\n0,3,2\n").exitCode, 0);
    EXPECT_TRUE(contentOf(plain).startsWith("%PDF-"));
    const Finished toStandardOutput = cramer({ "--solve", "-", "--format", "pdf" }, "3,0,1\n0,3,2\n");
    EXPECT_TRUE(toStandardOutput.out.startsWith("%PDF-"));
    EXPECT_TRUE(
        QString::fromLatin1(toStandardOutput.out)
            .contains(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 595(\\.0*)? 842(\\.0*)?\\]"))))
        << "A4 pages";

    const QString target = folder.filePath("target.csv");
    const QString link = folder.filePath("link.csv");
    ASSERT_TRUE(QFile::link(QStringLiteral("target.csv"), link));
    ASSERT_EQ(cramer({ "--solve", "-", "--format", "csv", "--output", link }, "3,0,1\n0,3,2\n").exitCode, 0);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), "0.33333334,0.6666667\n");

    const QString pipe = folder.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QProcess reader;
    reader.start(QStringLiteral("cat"), { pipe });
    ASSERT_TRUE(reader.waitForStarted());
    ASSERT_EQ(cramer({ "--solve", "-", "--format", "csv", "--output", pipe }, "3,0,1\n0,3,2\n").exitCode, 0);
    ASSERT_TRUE(reader.waitForFinished());
    EXPECT_EQ(reader.readAllStandardOutput(), "0.33333334,0.6666667\n");
    EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());

    const QString input = folder.filePath("input.csv");
    QFile file(input);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("3,0,1\n0,3,2\n");
    file.close();
    const Finished overInput = cramer({ "--solve", input, "--output", input });
    EXPECT_EQ(overInput.exitCode, 4);
    EXPECT_TRUE(overInput.err.contains(QString::fromUtf8("е файлът, от който се чете системата")));
    EXPECT_EQ(contentOf(input), "3,0,1\n0,3,2\n");
}

// A user's file name is quoted whole, whatever "%" it holds.
TEST(BatchOutput, MessagesKeepNamesWithPercentSigns)
{
    QTemporaryDir folder;
    for (const char* name : { "y%1z%2.csv", "big%2.csv" }) {
        const QString path = folder.filePath(QString::fromUtf8(name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1,2,3\n4,5\n");
        file.close();
        const Finished run = cramer({ "--solve", path });
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8("„%1“, ред 2:").arg(path))) << run.err.toStdString();
    }
}

// A library loaded when first needed, found broken (an empty file stands in
// for it first on the search path): one line names it and its package.
TEST(BatchOutput, AMissingLibraryIsNamedWithItsPackage)
{
    struct Case {
        const char* soname;
        const char* package;
        QString input;
    };
    const Case cases[] = { { "libgmp.so.10", "libgmp10", QStringLiteral("-") },
        { "libmpfr.so.6", "libmpfr6", QStringLiteral("-") },
        { "libzip.so.4", "libzip4", QStringLiteral(SPREADSHEETS_FOLDER "/calc.ods") } };
    for (const Case& c : cases) {
        QTemporaryDir broken;
        QFile library(broken.filePath(QString::fromLatin1(c.soname)));
        ASSERT_TRUE(library.open(QIODevice::WriteOnly));
        library.close();
        const Finished run = cramer({ "--solve", c.input }, "3,0,1\n0,3,2\n", {}, broken.path());
        EXPECT_EQ(run.exitCode, 4) << c.soname;
        EXPECT_TRUE(
            run.err.contains(QString::fromUtf8("липсва библиотеката %1").arg(QLatin1String(c.soname))))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("sudo apt install %1").arg(QLatin1String(c.package))))
            << run.err.toStdString();
    }
}

TEST(BatchOutput, AnOverflowLeavesAnExistingFileAsItWas)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("x.csv");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("1,2\n");
    old.close();
    EXPECT_EQ(
        cramer({ "--solve", "-", "--format", "csv", "--output", path }, "1E30,0,1\n0,1E30,1\n").exitCode, 3);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "1,2\n");
}

} // namespace

// In English not one Cyrillic letter is left, in any form of the working,
// of a worksheet with its key and solutions, or of a message; in Bulgarian
// the same runs speak Bulgarian, so that a run that fails says nothing.
struct EnglishCase {
    std::string name;
    QStringList arguments;
    QByteArray input;
};

void PrintTo(const EnglishCase& c, std::ostream* os) { *os << c.name; }

class English : public testing::TestWithParam<EnglishCase> { };

bool hasCyrillic(const QString& text)
{
    return std::any_of(
        text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

// What a reader sees: the text of a PDF as poppler reads it, else the bytes.
QString seen(const QByteArray& out)
{
    if (!out.startsWith("%PDF"))
        return QString::fromUtf8(out);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), { QStringLiteral("-"), QStringLiteral("-") });
    pdftotext.write(out);
    pdftotext.closeWriteChannel();
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST_P(English, HasNoCyrillicLetter)
{
    const EnglishCase& c = GetParam();
    for (const char* language : { "en", "bg" }) {
        const Finished run = cramer(QStringList(c.arguments) << "--language" << language, c.input);
        const QString all = seen(run.out) + run.err;
        ASSERT_FALSE(all.trimmed().isEmpty()) << language;
        EXPECT_EQ(hasCyrillic(all), language == std::string("bg")) << language << ": " << all.toStdString();
    }
}

std::vector<EnglishCase> englishCases()
{
    std::vector<EnglishCase> cases;
    const QString folder = QStringLiteral(GOLDEN_FOLDER "/");
    for (const char* system :
        { "cross2", "sarrus3", "decimals3", "singular3", "nine9", "pivot3", "hilbert6" })
        for (const char* format : { "text", "html", "latex", "pdf" })
            cases.push_back({ std::string(system) + "_" + format,
                { "--solve", folder + system + ".csv", "--format", format }, {} });
    for (const char* format : { "text", "html", "latex", "pdf" })
        cases.push_back({ std::string("Worksheet_") + format,
            { "--worksheet", "4", "--singular", "some", "--key", "--solutions", "--format", format }, {} });
    cases.push_back({ "BadCell", { "--solve", "-" }, "1,x,3\n4,5,6\n" });
    cases.push_back({ "Overflow", { "--solve", "-" }, "3e38,3e38,1\n-3e38,3e38,2\n" });
    cases.push_back({ "IntermediateOverflow", { "--solve", "-" }, "1e-40,1,1\n1,1,2\n" });
    cases.push_back({ "Singular", { "--solve", "-", "--format", "csv" }, "1,2,3\n2,4,6\n" });
    cases.push_back({ "NoFile", { "--solve", "/nonexistent/system.csv" }, {} });
    cases.push_back({ "Ragged", { "--solve", "-" }, "1,2,3\n4,5\n" });
    cases.push_back({ "UnknownOption", { "--solve", "-", "--colour" }, {} });
    cases.push_back({ "FormatRefused", { "--solve", "-", "--format", "doc" }, {} });
    cases.push_back({ "Help", { "--help" }, {} });
    cases.push_back({ "TooFewVariants", { "--worksheet", "60", "--size", "2", "--range", "1" }, {} });
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Runs, English, testing::ValuesIn(englishCases()),
    [](const testing::TestParamInfo<EnglishCase>& info) { return info.param.name; });
