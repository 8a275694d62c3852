// SPDX-License-Identifier: GPL-3.0-or-later

// --worksheet N: N variants of one kind for a class, with their key and,
// asked for, their worked solutions, in any form of the working or as a
// workbook.

#include "batch.h"
#include "batch_support.h"

#include "report/texts.h"
#include "report/working_export.h"
#include "report/worksheet_document.h"
#include "sheets/zip_archive.h"

#include <QCommandLineParser>

#include <map>
#include <optional>
#include <random>

namespace cramer {
namespace {

using texts::qtText;

const std::map<QString, WorkingFormat> kDocumentForms { { QStringLiteral("text"), WorkingFormat::Text },
    { QStringLiteral("html"), WorkingFormat::Html }, { QStringLiteral("latex"), WorkingFormat::Latex },
    { QStringLiteral("pdf"), WorkingFormat::Pdf } };
const std::map<QString, WorkbookKind> kWorkbookForms { { QStringLiteral("ods"), WorkbookKind::Ods },
    { QStringLiteral("xlsx"), WorkbookKind::Xlsx } };
const std::map<QString, AnswerKind> kAnswers { { QStringLiteral("integers"), AnswerKind::Integers },
    { QStringLiteral("fractions"), AnswerKind::Fractions },
    { QStringLiteral("decimals"), AnswerKind::Decimals } };
const std::map<QString, SingularShare> kSingular { { QStringLiteral("none"), SingularShare::None },
    { QStringLiteral("some"), SingularShare::Some } };

// An integer option within [lowest, highest], or its default where not given.
std::optional<int> whole(const QCommandLineParser& parser, const QString& option, int lowest, int highest,
    int otherwise, texts::Text refusal)
{
    if (!parser.isSet(option))
        return otherwise;
    bool valid = false;
    const int value = parser.value(option).toInt(&valid);
    if (!valid || value < lowest || value > highest) {
        complain(qtText(refusal).arg(parser.value(option)));
        return std::nullopt;
    }
    return value;
}

template <typename T>
std::optional<T> chosen(const QCommandLineParser& parser, const QString& option,
    const std::map<QString, T>& names, T otherwise, texts::Text refusal)
{
    if (!parser.isSet(option))
        return otherwise;
    const auto found = names.find(parser.value(option));
    if (found == names.end()) {
        complain(qtText(refusal).arg(parser.value(option)));
        return std::nullopt;
    }
    return found->second;
}

} // namespace

bool isWorksheetForm(const QString& format)
{
    return kDocumentForms.contains(format) || kWorkbookForms.contains(format);
}

int writeWorksheet(const QCommandLineParser& parser, const QString& format)
{
    if (!isWorksheetForm(format)) {
        complain(qtText(texts::kWorksheetFormatRefused).arg(format));
        return BadInput;
    }
    const std::optional<NumberLocale> locale = numberLocale(parser);
    const std::optional<int> count
        = whole(parser, QStringLiteral("worksheet"), 1, kMostVariants, 0, texts::kWorksheetCountRefused);
    const std::optional<int> n = whole(parser, QStringLiteral("size"), 2, 9, 3, texts::kWorksheetSizeRefused);
    const std::optional<int> perPage
        = whole(parser, QStringLiteral("per-page"), 1, 4, 2, texts::kWorksheetPerPageRefused);
    const std::optional<int> range
        = whole(parser, QStringLiteral("range"), 1, kLargestRange, 9, texts::kWorksheetRangeRefused);
    const std::optional<AnswerKind> answers = chosen(
        parser, QStringLiteral("answers"), kAnswers, AnswerKind::Integers, texts::kWorksheetAnswersRefused);
    const std::optional<SingularShare> singular = chosen(
        parser, QStringLiteral("singular"), kSingular, SingularShare::None, texts::kWorksheetSingularRefused);
    if (perPage == 3) {
        complain(qtText(texts::kWorksheetPerPageRefused).arg(3));
        return BadInput;
    }
    if (!locale || !count || !n || !perPage || !range || !answers || !singular)
        return BadInput;
    std::uint64_t seed = std::random_device {}();
    if (parser.isSet(QStringLiteral("seed"))) {
        bool valid = false;
        seed = parser.value(QStringLiteral("seed")).toULongLong(&valid);
        if (!valid) {
            complain(qtText(texts::kSeedRefused).arg(parser.value(QStringLiteral("seed"))));
            return BadInput;
        }
    }
    complain(qtText(texts::kWorksheetSeedUsed).arg(seed));

    const WorksheetRequest request { *count, *n, *answers, *singular, *range, seed };
    const WorksheetResult result = makeWorksheet(request);
    if (const auto* shortfall = std::get_if<WorksheetShortfall>(&result)) {
        complain(qtText(texts::kWorksheetShortfall)
                     .arg(QString::number(shortfall->made), QString::number(*count), QString::number(*range),
                         QString::number(*n)));
        return BadInput;
    }
    const auto& variants = std::get<std::vector<Variant>>(result);
    const QString output = parser.value(QStringLiteral("output"));
    if (const auto workbook = kWorkbookForms.find(format); workbook != kWorkbookForms.end()) {
        const std::string bytes = worksheetWorkbook(variants, workbook->second);
        if (bytes.empty()) {
            complain(qtText(texts::kWorkbookNotMade).arg(QString::fromStdString(ZipArchive::library())));
            return LibraryMissing;
        }
        return deliver(QByteArray::fromStdString(bytes), output, *locale);
    }
    WorksheetLayout layout;
    layout.title = parser.value(QStringLiteral("title"));
    layout.perPage = *perPage;
    layout.key = parser.isSet(QStringLiteral("key"));
    layout.solutions = parser.isSet(QStringLiteral("solutions"));
    const std::optional<WorkingDocument> document = worksheetDocument(variants, seed, layout, *locale);
    return deliver(workingBytes(*document, kDocumentForms.at(format)), output, *locale);
}

} // namespace cramer
