// SPDX-License-Identifier: GPL-3.0-or-later

// Files of systems: what they say back after a save, every way a file can
// be wrong, a write that fails halfway; and new exercises.

#include "sheets/spreadsheet_file.h"
#include "sheets/system_file.h"
#include "solver/exact_working.h"
#include "solver/exercise.h"

#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cramer {
namespace {

const NumberLocale kBulgarian { ",", "\u00A0" };

TEST(SystemFile, ReadsBackTheNumbersItSavedExactly)
{
    // Texts as users type them: grouped, with exponents, signed zeros,
    // subnormals, the largest single, decimal commas.
    const std::vector<std::string> bulgarian { "1\u00A0234,5", "-0", "1,4E-45", "3,4028235E+38", "0,1", "-7",
        "2,50", "1e-3", "12\u00A0345\u00A0678", "-0,000125", "1.5", "42" };
    const std::vector<std::string> english { "1,234.5", "-0", "1.4E-45", "3.4028235E+38", "0.1", "-7", "2.50",
        "1e-3", "12,345,678", "-0.000125", "+3", "42" };
    std::mt19937 generator(7);
    for (const auto& [locale, pool] :
        { std::pair { kBulgarian, bulgarian }, std::pair { kCLocale, english } }) {
        for (int sample = 0; sample < 200; ++sample) {
            TypedSystem system { 2 + sample % 8, {} };
            for (int i = 0; i < system.n * (system.n + 1); ++i)
                system.texts.push_back(pool[generator() % pool.size()]);
            const std::string csv = systemAsCsv(system, locale);
            const ReadSystem read = readSystemText(csv, locale);
            ASSERT_FALSE(read.error) << csv;
            ASSERT_EQ(read.system->n, system.n);
            for (std::size_t i = 0; i < system.texts.size(); ++i) {
                const ParsedSingle typed = parseSingle(system.texts[i], locale);
                const ParsedSingle back = parseSingle(read.system->texts[i], locale);
                ASSERT_EQ(std::bit_cast<std::uint32_t>(back.value), std::bit_cast<std::uint32_t>(typed.value))
                    << system.texts[i] << " came back as " << read.system->texts[i];
                ASSERT_EQ(Rational::fromDecimal(*parseDecimal(read.system->texts[i], locale)),
                    Rational::fromDecimal(*parseDecimal(system.texts[i], locale)));
            }
        }
    }
}

struct ReadCase {
    const char* name;
    std::string content;
    NumberLocale locale;
    std::vector<std::string> texts; // as the grid takes them under the locale
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadsSpreadsheetCsv : public testing::TestWithParam<ReadCase> { };

TEST_P(ReadsSpreadsheetCsv, IntoTheGridsForm)
{
    const ReadCase& c = GetParam();
    const ReadSystem read = readSystemText(c.content, c.locale);
    ASSERT_FALSE(read.error) << static_cast<int>(read.error.problem) << " at " << read.error.line << ":"
                             << read.error.number;
    EXPECT_EQ(read.system->texts, c.texts);
}

// Calc quotes a number whose decimal comma is its separator; semicolon and
// tab exports leave decimal commas bare; title, header and empty rows, and
// the empty cells a wider sheet leaves at the ends of rows, are no equations.
INSTANTIATE_TEST_SUITE_P(Dialects, ReadsSpreadsheetCsv,
    testing::Values(ReadCase { "CalcBulgarianDefaultUnderC", "\"0,1\",\"2,5\",\"-3,75\"\n1,\"0,001\",4\n",
                        kCLocale, { "0.1", "2.5", "-3.75", "1", "0.001", "4" } },
        ReadCase { "CalcBulgarianDefaultUnderBulgarian", "\"0,1\",\"2,5\",\"-3,75\"\r\n1,\"0,001\",4\r\n",
            kBulgarian, { "0,1", "2,5", "-3,75", "1", "0,001", "4" } },
        ReadCase { "CalcEnglishDefaultUnderBulgarian", "0.1,2.5,-3.75\n1,0.001,4\n", kBulgarian,
            { "0,1", "2,5", "-3,75", "1", "0,001", "4" } },
        ReadCase { "SemicolonsWithDecimalCommasUnderC", "0,1;2,5;3\n1;2;3\n", kCLocale,
            { "0.1", "2.5", "3", "1", "2", "3" } },
        ReadCase { "TabsWithDecimalCommasUnderC", "0,1\t2,5\t3\n1\t2\t3\n", kCLocale,
            { "0.1", "2.5", "3", "1", "2", "3" } },
        ReadCase { "QuotedWithQuotesInsideATitle", "\"Задача \"\"1\"\"\",,\n\"1\",\"2\",\"3\"\n4,5,6\n",
            kCLocale, { "1", "2", "3", "4", "5", "6" } },
        ReadCase { "TitleHeaderAndEmptyRowsPassedOver", "Система 1,,\nx1,x2,b\n,,\n1,2,3\n\n4,5,6\n,,\n",
            kCLocale, { "1", "2", "3", "4", "5", "6" } },
        ReadCase {
            "EmptyCellsAtTheEndsOfRows", "1,2,3,,\n4,5,6,,\n", kCLocale, { "1", "2", "3", "4", "5", "6" } },
        ReadCase { "GroupOrDecimalCommaToldByTheOtherNumbers", "1,234;0,5;3\n4;5;6\n", kCLocale,
            { "1.234", "0.5", "3", "4", "5", "6" } },
        ReadCase { "PastedFormUnderBulgarian", "1,5 2,5 3\n4 5 6\n", kBulgarian,
            { "1,5", "2,5", "3", "4", "5", "6" } },
        ReadCase { "CalcGroupingToldByAnotherGroupedNumber", "\"1,500\",\"2,000,000\",3\n4,5,6\n",
            NumberLocale { ".", "" }, { "1500", "2000000", "3", "4", "5", "6" } },
        ReadCase { "CalcDecimalCommaToldByAnotherNumber", "\"1,500\",\"2,25\",3\n4,5,6\n",
            NumberLocale { ".", "" }, { "1.500", "2.25", "3", "4", "5", "6" } },
        ReadCase { "LabelsLeftCommentsRightAndAnEmptyFirstColumn",
            ",Уравнение 1,1,2,3,first\n,Уравнение 2,4,5,6\n", kCLocale, { "1", "2", "3", "4", "5", "6" } },
        ReadCase { "EachLineByItsOwnSeparator", "1,1,1,6\n1;2;3;4\n2\t1\t-1\t1\n", kCLocale,
            { "1", "1", "1", "6", "1", "2", "3", "4", "2", "1", "-1", "1" } },
        ReadCase { "TypedLineByLineUnderBulgarian", "1,5; 2; 0; 3\n0  \u22122,25  4  1\n4\t5\t\u20136\t1\n",
            kBulgarian, { "1,5", "2", "0", "3", "0", "\u22122,25", "4", "1", "4", "5", "\u20136", "1" } },
        ReadCase { "OldMacLineEnds", "1,2,3\r4,5,6\r", kCLocale, { "1", "2", "3", "4", "5", "6" } }),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct BadFile {
    const char* name;
    std::string content;
    FileProblem problem;
    int line;
    int number;
    int count;
    const char* text;
    bool decimalCommaLocaleToo = true; // the same refusal under a locale whose decimal separator is ","
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

std::string repeated(std::string_view line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

class RefusedFile : public testing::TestWithParam<BadFile> { };

// One reading is chosen from the file's form, whatever the locale, and its
// error is the one reported.
TEST_P(RefusedFile, SaysWhatAndWhereUnderEveryLocale)
{
    const BadFile& c = GetParam();
    const NumberLocale withoutGroups { ".", "" };
    for (const NumberLocale& locale : { kCLocale, withoutGroups, kBulgarian }) {
        if (locale.decimal == "," && !c.decimalCommaLocaleToo)
            continue;
        const ReadSystem read = readSystemText(c.content, locale);
        EXPECT_FALSE(read.system) << locale.decimal << locale.group;
        EXPECT_EQ(read.error.problem, c.problem) << locale.decimal << locale.group;
        EXPECT_EQ(read.error.line, c.line) << locale.decimal << locale.group;
        EXPECT_EQ(read.error.number, c.number) << locale.decimal << locale.group;
        EXPECT_EQ(read.error.count, c.count) << locale.decimal << locale.group;
        EXPECT_EQ(read.error.text, c.text) << locale.decimal << locale.group;
    }
}

INSTANTIATE_TEST_SUITE_P(Contents, RefusedFile,
    testing::Values(BadFile { "NotUtf8", "1,2,3\n4,\xFF,6\n", FileProblem::NotUtf8, 2, 0, 0, "" },
        BadFile { "OverlongUtf8", "1,2,3\n4,\xC0\xB1,6\n", FileProblem::NotUtf8, 2, 0, 0, "" },
        BadFile { "Empty", "\xEF\xBB\xBF# nothing but a comment\n\n", FileProblem::Empty, 0, 0, 0, "" },
        BadFile { "OneEquation", "1,2\n", FileProblem::SizeOutOfRange, 0, 0, 1, "" },
        BadFile { "TenEquations", "1,2\n1,2\n1,2\n1,2\n1,2\n1,2\n1,2\n1,2\n1,2\n1,2\n",
            FileProblem::SizeOutOfRange, 0, 0, 10, "" },
        BadFile {
            "HalfAMillionOneNumberRows", repeated("7\n", 500000), FileProblem::TooManyLines, 0, 0, 4000, "" },
        BadFile { "OverAThousandEquationsAreNotCounted", repeated("1,2\n", 1500), FileProblem::SizeOutOfRange,
            0, 0, kMostCountedEquations + 1, "" },
        BadFile { "RaggedNamesTheShortRow", "# a comment\n1,2,3\n4,5\n", FileProblem::Ragged, 3, 0, 2, "" },
        BadFile { "RaggedNamesTheRowThatDiffersFromTheRest", "1,2,3,4\n5,6,7\n8,9,10,11\n",
            FileProblem::Ragged, 2, 0, 3, "" },
        BadFile {
            "RaggedNamesTheTextThatCausedIt", "1,2,3\n4,5,six,6\n", FileProblem::Ragged, 2, 3, 4, "six" },
        BadFile { "RaggedCountsQuotedCells", "\"0,1\",\"2,5\"\n1,2,3\n", FileProblem::Ragged, 1, 0, 2, "" },
        BadFile { "TextAmongNumbers", "1,2,3\n4,five,6\n", FileProblem::NotANumber, 2, 2, 0, "five" },
        BadFile {
            "GroupingOrDecimalComma", "1,234;2;3\n4;5;6\n", FileProblem::Ambiguous, 1, 1, 0, "1,234", false },
        BadFile { "CalcGroupingWithNothingToTellIt", "\"1,500\",2,3\n4,5,6\n", FileProblem::Ambiguous, 1, 1,
            0, "1,500", false },
        BadFile { "NotANumber", "1;2;3\n4;1,2,3;6\n", FileProblem::NotANumber, 2, 2, 0, "1,2,3" },
        BadFile { "EmptyField", "1,2,3\r\n4,,6\r\n", FileProblem::EmptyCell, 2, 2, 0, "" },
        BadFile { "BeyondSingle", "1,2,3\n4,5,1E39\n", FileProblem::OutOfRange, 2, 3, 0, "1E39" },
        // One file, one decimal mark: 2.5 proves a point, "1,5" a comma.
        BadFile { "TwoDecimalMarks", "\"1,5\",2.5,3\n4,5,6\n", FileProblem::MixedDecimalMarks, 1, 2, 0, "2.5" },
        // Numbers run together in every row and no number beside them: no
        // column to start from (a fuzzer's find, read past the row before).
        BadFile { "NoColumnHoldsANumber", "\"1-;2\",a,b\n\"3-;4\",c,d\n", FileProblem::Ragged, 1, 0, 0, "" },
        // A line of numbers is refused by its place, never passed over as a title.
        BadFile { "NumbersRunTogether", "1,1,1,6\n\"1;2;3;4\"\n2,1,-1,1\n", FileProblem::Ragged, 2, 1, 1,
            "1;2;3;4" }),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

class TemporaryFolder : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() / ("cramer-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path file(const char* name) const { return folder_ / name; }
    static std::string contents(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return { std::istreambuf_iterator<char>(in), {} };
    }

    std::filesystem::path folder_;
};

using SystemFileOnDisk = TemporaryFolder;

TEST_F(SystemFileOnDisk, IsRefusedWhenMissingAFolderOrTooLargeBeforeItIsRead)
{
    EXPECT_EQ(readAnySystemFile(file("missing.csv"), kCLocale).error.problem, FileProblem::Missing);
    EXPECT_EQ(readAnySystemFile(folder_, kCLocale).error.problem, FileProblem::NotAFile);
    // A path the system refuses for another reason than absence is not "missing".
    std::ofstream(file("plain")) << "x";
    const FileError throughAFile = readAnySystemFile(file("plain") / "a.csv", kCLocale).error;
    EXPECT_EQ(throughAFile.problem, FileProblem::CannotRead);
    EXPECT_EQ(throughAFile.systemError, ENOTDIR);
    if (::geteuid() != 0) { // root reads every folder
        std::filesystem::create_directory(file("closed"));
        std::ofstream(file("closed") / "a.csv") << "1,2,3\n";
        std::filesystem::permissions(file("closed"), std::filesystem::perms::none);
        EXPECT_EQ(readAnySystemFile(file("closed") / "a.csv", kCLocale).error.problem, FileProblem::NoPermission);
        std::filesystem::permissions(file("closed"), std::filesystem::perms::owner_all);
    }
    std::ofstream(file("huge.csv")) << "1,2,3\n";
    std::filesystem::resize_file(file("huge.csv"), kLargestSystemFile + 1);
    EXPECT_EQ(readAnySystemFile(file("huge.csv"), kCLocale).error.problem, FileProblem::TooLarge);
    std::ofstream(file("good.csv")) << "\xEF\xBB\xBF# x + y = 3, x - y = 1\r\n1,1,3\r\n1,-1,1\r\n\r\n";
    const ReadSystem read = readAnySystemFile(file("good.csv"), kBulgarian);
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.system->texts, std::vector<std::string>({ "1", "1", "3", "1", "-1", "1" }));
}

TEST_F(SystemFileOnDisk, AWriteThatFailsHalfwayLeavesTheOldFile)
{
    const std::filesystem::path path = file("system.csv");
    ASSERT_FALSE(writeFileAtomically(path, "1,1,3\n1,-1,1\n"));
    const std::string large(64 * 1024, '7');
    // A child whose files may not grow beyond 4 KiB: its write fails midway.
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 4096, 4096 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const FileError error = writeFileAtomically(path, large);
        ::_exit(error.problem == FileProblem::CannotWrite && !error.text.empty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write did not fail as it should";
    EXPECT_EQ(contents(path), "1,1,3\n1,-1,1\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1)
        << "a temporary file was left";
    EXPECT_EQ(writeFileAtomically(file("no/such/folder.csv"), "1").problem, FileProblem::CannotWrite);
}

TEST(Exercise, IsRegularWithANiceSolutionTheProgramShowsAndSmallOnesComputeExactly)
{
    for (const SolutionKind kind :
        { SolutionKind::Integers, SolutionKind::SimpleFractions, SolutionKind::Recurring }) {
        for (std::uint64_t seed = 1; seed <= 12; ++seed) {
            ExerciseMaker maker(seed);
            for (int n = kMinSize; n <= kMaxSize; ++n) {
                const TypedSystem system = maker.next(n, kind);
                ASSERT_EQ(system.n, n);
                // The exact working of the program's own solve.
                const SolveRecord record = solveQuietly(n, system.texts, kCLocale);
                ASSERT_EQ(record.outcome.status, SolveStatus::Solved);
                const ExactWorking exact = computeExactWorking(record);
                ASSERT_EQ(exact.verdict, ExactVerdict::OneSolution);
                bool allWhole = true;
                bool allEnd = true;
                for (int j = 0; j < n; ++j) {
                    const Rational& x = exact.solution[static_cast<std::size_t>(j)];
                    EXPECT_LE(x.abs(), Rational(9));
                    allWhole = allWhole && x.isInteger();
                    allEnd = allEnd && x.terminates();
                    if (kind == SolutionKind::Recurring) {
                        EXPECT_TRUE((x * Rational(126)).isInteger()) << x.fraction(); // thirds, sixths, sevenths, ninths
                        continue;
                    }
                    EXPECT_TRUE((x * Rational(20)).isInteger()) << x.fraction();
                    EXPECT_EQ(record.shownSolutions[static_cast<std::size_t>(j)], x.nearestSingle());
                    if (n <= kExactSinglesUpTo) {
                        EXPECT_EQ(record.quotients[static_cast<std::size_t>(j)], x.nearestSingle());
                    }
                }
                EXPECT_EQ(allWhole, kind == SolutionKind::Integers);
                EXPECT_EQ(allEnd, kind != SolutionKind::Recurring) << "rounding is needed exactly there";
                for (int i = 0; i < n * (n + 1); ++i) {
                    if ((i + 1) % (n + 1) != 0) {
                        EXPECT_LE(std::abs(std::stoi(system.texts[static_cast<std::size_t>(i)])), 9);
                    }
                }
            }
        }
    }
    EXPECT_EQ(
        ExerciseMaker(5).next(4, SolutionKind::Integers), ExerciseMaker(5).next(4, SolutionKind::Integers))
        << "a seed gives the same exercise";
}

} // namespace
} // namespace cramer
