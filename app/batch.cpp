// SPDX-License-Identifier: GPL-3.0-or-later

#include "batch.h"
#include "batch_support.h"

#include "command_line.h"
#include "report/file_messages.h"
#include "report/file_texts.h"
#include "report/language.h"
#include "report/solve_messages.h"
#include "report/texts.h"
#include "report/working_document.h"
#include "report/working_export.h"
#include "report/working_forms.h"
#include "sheets/file_name.h"
#include "sheets/spreadsheet_file.h"
#include "sheets/system_file.h"
#include "solver/exercise.h"
#include "solver/missing_library.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <random>

namespace cramer {

using texts::qtText;

void complain(const QString& message) { std::fprintf(stderr, "cramer: %s\n", qPrintable(message)); }

// Standard output, or a file written as `writeFileAtomically` writes.
int deliver(const QByteArray& content, const QString& output, const NumberLocale& locale)
{
    if (output.isEmpty()) {
        const std::size_t written
            = std::fwrite(content.constData(), 1, static_cast<std::size_t>(content.size()), stdout);
        if (written != static_cast<std::size_t>(content.size()) || std::fflush(stdout) != 0) {
            const FileError error {
                .problem = FileProblem::CannotWrite, .text = std::strerror(errno), .systemError = errno
            };
            complain(qtText(texts::kCannotWriteOutput).arg(systemErrorText(error)));
            return CannotWrite;
        }
        return Solved;
    }
    if (const FileError error = writeFileAtomically(localFile(output),
            std::string_view(content.constData(), static_cast<std::size_t>(content.size())))) {
        complain(fileErrorMessage(error, output, locale));
        return CannotWrite;
    }
    return Solved;
}

// Numbers as --locale names them, else as the environment's LC_ALL,
// LC_NUMERIC or LANG does, like other command-line tools; the C locale's
// plainly, without grouping. A name no locale has is refused.
std::optional<NumberLocale> numberLocale(const QCommandLineParser& parser)
{
    QLocale numbers = QLocale::system();
    if (parser.isSet(QStringLiteral("locale"))) {
        const QString name = parser.value(QStringLiteral("locale"));
        numbers = QLocale(name);
        const bool namesC = name == QStringLiteral("C") || name == QStringLiteral("POSIX")
            || name.startsWith(QStringLiteral("C."));
        if (numbers.language() == QLocale::C && !namesC) {
            complain(qtText(texts::kLocaleRefused).arg(name));
            return std::nullopt;
        }
    }
    if (numbers.language() == QLocale::C)
        return NumberLocale { ".", "" };
    return NumberLocale { numbers.decimalPoint().toStdString(), numbers.groupSeparator().toStdString() };
}

namespace {

ReadSystem readInput(const QString& input, const NumberLocale& locale, const std::string& sheet)
{
    if (input != QStringLiteral("-"))
        return readAnySystemFile(localFile(input), locale, sheet);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return { std::nullopt, { .problem = FileProblem::CannotRead, .text = "stdin" } };
    constexpr qint64 kLargest = qint64 { kLargestSpreadsheetMb } * 1024 * 1024;
    const QByteArray content = in.read(kLargest + 1);
    if (content.size() > kLargest)
        return { std::nullopt, { .problem = FileProblem::TooLarge, .count = kLargestSpreadsheetMb } };
    return readSystemBytes(
        std::string_view(content.constData(), static_cast<std::size_t>(content.size())), locale, sheet);
}

// x_1 … x_n of the program's solve, each the shortest text that reads back
// as the same single; with a decimal comma, ";" between them, as the
// spreadsheets of such a locale expect.
QByteArray solutionsAsCsv(const SolveRecord& record, const NumberLocale& locale)
{
    const QByteArray point = QByteArray::fromStdString(locale.decimal);
    QByteArray csv;
    for (std::size_t i = 0; i < record.quotients.size(); ++i) {
        char buffer[32];
        // A zero solution is 0, whatever sign the division left on it.
        const float value = record.quotients[i] == 0.0f ? 0.0f : record.quotients[i];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        if (i > 0)
            csv += point == "," ? ';' : ',';
        csv += QByteArray(buffer, end - buffer).replace('.', point);
    }
    return csv + '\n';
}

const std::map<QString, WorkingFormat> kWorkingFormats { { QStringLiteral("text"), WorkingFormat::Text },
    { QStringLiteral("html"), WorkingFormat::Html }, { QStringLiteral("latex"), WorkingFormat::Latex },
    { QStringLiteral("pdf"), WorkingFormat::Pdf } };

// The output names the input file itself, through whatever link.
bool writesOverInput(const QString& input, const QString& output)
{
    if (input == QStringLiteral("-") || output.isEmpty())
        return false;
    std::error_code error;
    return std::filesystem::equivalent(localFile(input), localFile(output), error);
}

int solve(const QCommandLineParser& parser, const QString& format)
{
    const std::optional<NumberLocale> chosenLocale = numberLocale(parser);
    if (!chosenLocale)
        return BadInput;
    const NumberLocale& locale = *chosenLocale;
    const QString input = parser.value(QStringLiteral("solve"));
    const QString output = parser.value(QStringLiteral("output"));
    if (writesOverInput(input, output)) {
        complain(qtText(texts::kOutputIsInput).arg(QDir::toNativeSeparators(output)));
        return CannotWrite;
    }
    const ReadSystem read = readInput(input, locale, parser.value(QStringLiteral("sheet")).toStdString());
    if (read.error) {
        QString message = fileErrorMessage(
            read.error, input == QStringLiteral("-") ? qtText(texts::kStandardInput) : input, locale);
        if (read.error.problem == FileProblem::Ambiguous)
            message += QLatin1Char(' ') + qtText(texts::kAmbiguousLocaleHint);
        complain(message);
        return read.error.problem == FileProblem::OutOfRange    ? Overflow
            : read.error.problem == FileProblem::MissingLibrary ? LibraryMissing
                                                                : BadInput;
    }

    SolveRecord record = solveQuietly(read.system->n, read.system->texts, locale);
    const SolveOutcome outcome = record.outcome;
    if (outcome.status == SolveStatus::BadCell) {
        complain(badCellMessage(*outcome.cell, record.typed.n, locale));
        return outcome.cell->kind == ConversionError::OutOfRange ? Overflow : BadInput;
    }

    // Which sheet of a workbook was read, where it was not simply the one shown.
    WorkedSolution solution(std::move(record));
    solution.source = sheetNote(read);
    if (!solution.source.isEmpty())
        complain(solution.source);
    else if (read.systemSheets.size() > 1 && !parser.isSet(QStringLiteral("sheet"))) {
        QStringList others;
        for (const std::string& sheet : read.systemSheets)
            if (sheet != read.sheet)
                others << qtText(texts::kQuotedSheet).arg(QString::fromStdString(sheet));
        complain(qtText(texts::kOtherSystemSheets)
                     .arg(QString::fromStdString(read.sheet), others.join(QStringLiteral(", "))));
    }
    const WorkingDocument document = workingDocument(solution);
    // Singular when the method found d = 0, and when d is exactly 0 though
    // rounding gave the method some x_i.
    const bool exactlySingular = !solution.exact().tooLong && solution.exact().determinant.isZero();
    int result = Solved;
    if (outcome.status == SolveStatus::Overflow) {
        // The working's own verdict, in its notation.
        complain(overflowVerdictText(solution));
        result = Overflow;
    } else if (outcome.status == SolveStatus::Singular || exactlySingular) {
        std::fputs(qPrintable(verdictAsPlainText(document)), stderr);
        result = Singular;
    }

    int written = Solved;
    if (format == QStringLiteral("csv")) {
        // Singular: no x_i, so an empty answer; an overflow: no answer.
        if (result == Solved)
            written = deliver(solutionsAsCsv(solution.record, locale), output, locale);
        else if (result == Singular)
            written = deliver({}, output, locale);
    } else {
        written = deliver(workingBytes(document, kWorkingFormats.at(format)), output, locale);
    }
    return written != Solved ? written : result;
}

int newExercise(const QCommandLineParser& parser)
{
    bool valid = false;
    const int n = parser.value(QStringLiteral("new-exercise")).toInt(&valid);
    if (!valid || n < kMinSize || n > kMaxSize) {
        complain(qtText(texts::kExerciseSizeRefused).arg(parser.value(QStringLiteral("new-exercise"))));
        return BadInput;
    }
    std::uint64_t seed = std::random_device {}();
    if (parser.isSet(QStringLiteral("seed"))) {
        seed = parser.value(QStringLiteral("seed")).toULongLong(&valid);
        if (!valid) {
            complain(qtText(texts::kSeedRefused).arg(parser.value(QStringLiteral("seed"))));
            return BadInput;
        }
    }
    ExerciseMaker maker(seed);
    const TypedSystem system = maker.next(n,
        parser.isSet(QStringLiteral("fractions")) ? SolutionKind::SimpleFractions : SolutionKind::Integers);
    return deliver(QByteArray::fromStdString(systemAsCsv(system, { ".", "" })),
        parser.value(QStringLiteral("output")), { ".", "" });
}

} // namespace

QString optionErrorMessage(const QCommandLineParser& parser, const QStringList& arguments)
{
    if (!parser.unknownOptionNames().isEmpty())
        return qtText(texts::kUnknownOption).arg(parser.unknownOptionNames().constFirst());
    // A value is missing only after the last argument: anywhere else the
    // next argument is taken as the value.
    const QString last = arguments.size() > 1 ? arguments.constLast() : QString();
    for (const QString& option : { QStringLiteral("solve"), QStringLiteral("sheet"), QStringLiteral("format"),
             QStringLiteral("output"), QStringLiteral("locale"), QStringLiteral("new-exercise"),
             QStringLiteral("seed"), QStringLiteral("worksheet"), QStringLiteral("size"),
             QStringLiteral("answers"), QStringLiteral("singular"), QStringLiteral("per-page"),
             QStringLiteral("range"), QStringLiteral("title"), QStringLiteral("language") }) {
        if (last == QStringLiteral("--") + option || last == QStringLiteral("-") + option)
            return qtText(texts::kOptionWithoutValue).arg(last);
    }
    return qtText(texts::kOptionRefused).arg(parser.errorText());
}

int runBatch(int argc, char* argv[], const QStringList& arguments)
{
    // Standard error carries the program's own messages only.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg || type == QtCriticalMsg)
            complain(message);
    });
    QCommandLineParser parser;
    describeCommandLine(parser);
    const QStringList ours = withoutQtOptions(arguments);
    const bool parsed = parser.parse(ours);
    const QString format = parser.value(QStringLiteral("format"));
    const bool worksheet = parser.isSet(QStringLiteral("worksheet"));

    // PDF lays pages out with fonts, which takes Qt's GUI module: on its
    // offscreen platform, which needs no display.
    std::unique_ptr<QCoreApplication> application;
    if (parsed && (parser.isSet(QStringLiteral("solve")) || worksheet) && format == QStringLiteral("pdf")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Without a window there is no menu to remember a language: Bulgarian
    // unless --language says otherwise, so that scripts get the same words.
    // No dialog of Qt's opens here, so its texts stay as they are (loading
    // their translation would cost a millisecond of every run).
    const QString languageName = parser.value(QStringLiteral("language"));
    const std::optional<Language> language
        = languageName.isEmpty() ? Language::Bulgarian : languageNamed(languageName);
    installLanguage(language.value_or(Language::Bulgarian), QtTexts::AsQtWritesThem);
    if (!parsed) {
        complain(optionErrorMessage(parser, ours));
        return BadInput;
    }
    if (!language) {
        complain(textInEvery(texts::kLanguageRefused).arg(languageName));
        return BadInput;
    }
    if (!worksheet && format != QStringLiteral("csv") && !kWorkingFormats.contains(format)) {
        complain(qtText(texts::kFormatRefused).arg(format));
        return BadInput;
    }
    try {
        if (worksheet)
            return writeWorksheet(parser, format);
        return parser.isSet(QStringLiteral("solve")) ? solve(parser, format) : newExercise(parser);
    } catch (const MissingLibrary& missing) {
        complain(missingLibraryMessage(missing));
        return LibraryMissing;
    }
}

} // namespace cramer
