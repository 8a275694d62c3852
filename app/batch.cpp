// SPDX-License-Identifier: GPL-3.0-or-later

#include "batch.h"

#include "command_line.h"
#include "report/file_messages.h"
#include "report/solve_messages.h"
#include "report/texts.h"
#include "report/working_document.h"
#include "report/working_export.h"
#include "sheets/spreadsheet_file.h"
#include "solver/exercise.h"
#include "solver/system_file.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QPdfWriter>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <random>

namespace cramer {
namespace {

using texts::qtText;

void complain(const QString& message) { std::fprintf(stderr, "cramer: %s\n", qPrintable(message)); }

// Standard output, or a file written atomically.
int deliver(const QByteArray& content, const QString& output)
{
    if (output.isEmpty()) {
        const std::size_t written
            = std::fwrite(content.constData(), 1, static_cast<std::size_t>(content.size()), stdout);
        if (written != static_cast<std::size_t>(content.size()) || std::fflush(stdout) != 0) {
            complain(qtText(texts::kFileCannotWrite)
                         .arg(QStringLiteral("-"), QString::fromLocal8Bit(std::strerror(errno))));
            return CannotWrite;
        }
        return Solved;
    }
    if (const FileError error = writeFileAtomically(output.toStdString(),
            std::string_view(content.constData(), static_cast<std::size_t>(content.size())))) {
        complain(fileErrorMessage(error, output));
        return CannotWrite;
    }
    return Solved;
}

ReadSystem readInput(const QString& input, const NumberLocale& locale)
{
    if (input != QStringLiteral("-"))
        return readAnySystemFile(input.toStdString(), locale);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return { std::nullopt, { FileProblem::CannotRead, 0, 0, 0, 0, "stdin", {} } };
    constexpr qint64 kLargest = qint64 { kLargestSpreadsheetMb } * 1024 * 1024;
    const QByteArray content = in.read(kLargest + 1);
    if (content.size() > kLargest)
        return { std::nullopt, { FileProblem::TooLarge, 0, 0, kLargestSpreadsheetMb, 0, {}, {} } };
    return readSystemBytes(
        std::string_view(content.constData(), static_cast<std::size_t>(content.size())), locale);
}

// Numbers as --locale names them, else as the environment's LC_ALL,
// LC_NUMERIC or LANG does, like other command-line tools; the C locale's
// plainly, without grouping.
NumberLocale numberLocale(const QCommandLineParser& parser)
{
    const QLocale numbers = parser.isSet(QStringLiteral("locale"))
        ? QLocale(parser.value(QStringLiteral("locale")))
        : QLocale::system();
    if (numbers.language() == QLocale::C)
        return { ".", "" };
    return { numbers.decimalPoint().toStdString(), numbers.groupSeparator().toStdString() };
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
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, record.quotients[i]).ptr;
        if (i > 0)
            csv += point == "," ? ';' : ',';
        csv += QByteArray(buffer, end - buffer).replace('.', point);
    }
    return csv + '\n';
}

int solve(const QCommandLineParser& parser, const QString& format)
{
    const NumberLocale locale = numberLocale(parser);
    const QString input = parser.value(QStringLiteral("solve"));
    const ReadSystem read = readInput(input, locale);
    if (read.error) {
        complain(fileErrorMessage(
            read.error, input == QStringLiteral("-") ? qtText(texts::kStandardInput) : input));
        return read.error.problem == FileProblem::OutOfRange ? Overflow : BadInput;
    }

    SolveRecord record = solveQuietly(read.system->n, read.system->texts, locale);
    const SolveOutcome outcome = record.outcome;
    const QString largest = QString::fromStdString(formatSingle(std::numeric_limits<float>::max(), locale));
    if (outcome.status == SolveStatus::BadCell) {
        const QString place = cellPlace(outcome.cell->row, outcome.cell->column, record.n);
        const QString text = QString::fromStdString(outcome.cell->text);
        if (outcome.cell->kind == ConversionError::OutOfRange) {
            complain(qtText(texts::kOutOfRangeCell).arg(place, text, largest));
            return Overflow;
        }
        complain(qtText(texts::kNotANumberCell).arg(place, text));
        return BadInput;
    }

    const WorkedSolution solution(std::move(record));
    const WorkingDocument document = workingDocument(solution);
    // Singular when the method found d = 0, and when d is exactly 0 though
    // rounding gave the method some x_i.
    const bool exactlySingular = !solution.exact().tooLong && solution.exact().determinant.isZero();
    int result = Solved;
    if (outcome.status == SolveStatus::Overflow) {
        // The advice on the message's second line is for the window.
        complain(overflowMessage(*outcome.overflow, largest).section(QLatin1Char('\n'), 0, 0));
        result = Overflow;
    } else if (outcome.status == SolveStatus::Singular || exactlySingular) {
        std::fputs(qPrintable(verdictAsPlainText(document)), stderr);
        result = Singular;
    }

    const QString output = parser.value(QStringLiteral("output"));
    int written = Solved;
    if (format == QStringLiteral("csv")) {
        // Singular: no x_i, so an empty answer; an overflow: no answer.
        if (result == Solved)
            written = deliver(solutionsAsCsv(solution.record, locale), output);
        else if (result == Singular)
            written = deliver({}, output);
    } else if (format == QStringLiteral("pdf")) {
        if (output.isEmpty()) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            {
                QPdfWriter writer(&buffer);
                writer.setTitle(qtText(texts::kWorkingTitle));
                printWorking(document, writer);
            }
            written = deliver(buffer.data(), output);
        } else if (const QString error = writeWorkingFile(output, document); !error.isEmpty()) {
            complain(qtText(texts::kFileCannotWrite).arg(output, error));
            written = CannotWrite;
        }
    } else {
        const QString text = format == QStringLiteral("html") ? workingAsHtml(document)
            : format == QStringLiteral("latex")               ? workingAsLatex(document)
                                                              : workingAsPlainText(document);
        written = deliver(text.toUtf8(), output);
    }
    return written != Solved ? written : result;
}

int newExercise(const QCommandLineParser& parser)
{
    bool valid = false;
    const int n = parser.value(QStringLiteral("new-exercise")).toInt(&valid);
    if (!valid || n < kMinSize || n > kMaxSize) {
        complain(QStringLiteral("--new-exercise takes a number of equations from 2 to 9, not '%1'.")
                     .arg(parser.value(QStringLiteral("new-exercise"))));
        return BadInput;
    }
    std::uint64_t seed = std::random_device {}();
    if (parser.isSet(QStringLiteral("seed"))) {
        seed = parser.value(QStringLiteral("seed")).toULongLong(&valid);
        if (!valid) {
            complain(QStringLiteral("--seed takes a whole number, not '%1'.")
                         .arg(parser.value(QStringLiteral("seed"))));
            return BadInput;
        }
    }
    ExerciseMaker maker(seed);
    const TypedSystem system = maker.next(n,
        parser.isSet(QStringLiteral("fractions")) ? SolutionKind::SimpleFractions : SolutionKind::Integers);
    return deliver(
        QByteArray::fromStdString(systemAsCsv(system, { ".", "" })), parser.value(QStringLiteral("output")));
}

} // namespace

int runBatch(int argc, char* argv[], const QStringList& arguments)
{
    // Standard error carries the program's own messages only.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg || type == QtCriticalMsg)
            complain(message);
    });
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (!parser.parse(withoutQtOptions(arguments))) {
        complain(parser.errorText());
        return BadInput;
    }
    const QString format = parser.value(QStringLiteral("format"));
    static const QStringList kFormats { QStringLiteral("text"), QStringLiteral("html"),
        QStringLiteral("latex"), QStringLiteral("pdf"), QStringLiteral("csv") };
    if (!kFormats.contains(format)) {
        complain(QStringLiteral("--format takes text, html, latex, pdf or csv, not '%1'.").arg(format));
        return BadInput;
    }

    // PDF lays pages out with fonts, which takes Qt's GUI module: on its
    // offscreen platform, which needs no display.
    std::unique_ptr<QCoreApplication> application;
    if (parser.isSet(QStringLiteral("solve")) && format == QStringLiteral("pdf")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    return parser.isSet(QStringLiteral("solve")) ? solve(parser, format) : newExercise(parser);
}

} // namespace cramer
