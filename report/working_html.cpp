// SPDX-License-Identifier: GPL-3.0-or-later

// The working as an HTML5 page: for browsers, word processors and the
// clipboard. Numbers never break inside, matrices never across pages. The
// look is in style attributes in points, which word processors keep when
// pasting; the style sheet holds what only pages and browsers use.

#include "report/figure.h"
#include "report/language.h"
#include "report/texts.h"
#include "report/working_document.h"
#include "report/working_forms.h"
#include "report/working_texts.h"

#include <QStringBuilder>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace cramer {
namespace {

using texts::qtText;

const char* const kStyle = R"(@page { size: A4; margin: 2cm; }
body { font-family: "Liberation Serif", "DejaVu Serif", serif; font-size: 10pt; line-height: 1.15; max-width: 50em; }
p { margin-top: 0; margin-bottom: 3pt; }
h2 { break-after: avoid; page-break-after: avoid; }
p.lead { break-after: avoid; page-break-after: avoid; }
p.formula, table { break-inside: avoid; page-break-inside: avoid; }
)";

constexpr const char* kCell = "padding:0 3pt;text-align:right;white-space:nowrap";
constexpr const char* kBeside = "padding:0 3pt;vertical-align:middle;white-space:nowrap";
constexpr const char* kBar = "2px solid black";

// A number as it is written (its sign and digits as signedDigits() has
// them), appended to `html` without a string of its own: a matrix has
// thousands. Digits, signs and separators need no escaping.
void appendNumber(QString& html, const WrittenNumber& value)
{
    if (value.parenthesized)
        html += QLatin1Char('(');
    if (value.negative)
        html += QStringLiteral("−");
    if (value.infinite) {
        html += QStringLiteral("∞");
    } else if (const auto [start, end] = value.markedDigits(); start != end) {
        const QStringView digits(value.digits);
        html += digits.left(start) % QStringLiteral("<b>") % digits.sliced(start, end - start)
            % QStringLiteral("</b>") % digits.mid(end);
    } else {
        html += value.digits;
    }
    if (value.scaled && !value.infinite) {
        html += QStringLiteral("·10<sup>");
        if (value.exponent < 0)
            html += QStringLiteral("−");
        html += QString::number(std::abs(value.exponent));
        html += QStringLiteral("</sup>");
    }
    if (value.parenthesized)
        html += QLatin1Char(')');
}

// Text escaped for HTML, appended to `html`; most text has nothing to
// escape and is appended as it is.
void appendEscaped(QString& html, const QString& text)
{
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('&')
            || c == QLatin1Char('"');
    });
    html += plain ? text : text.toHtmlEscaped();
}

QString runs(const Runs& content)
{
    QString html;
    for (const Run& run : content) {
        switch (run.kind) {
        case Run::Kind::Text:
            appendEscaped(html, run.text);
            break;
        case Run::Kind::Number:
            if (run.number.digits.contains(QChar(0x202F))) {
                // A long number in groups of digits: a line may break between them.
                QString number;
                appendNumber(number, run.number);
                html += number.replace(QChar(0x202F), QStringLiteral("\u202F<wbr>"));
                break;
            }
            // A number whose line may break nowhere.
            html += QStringLiteral("<span style=\"white-space:nowrap\">");
            appendNumber(html, run.number);
            html += QStringLiteral("</span>");
            break;
        case Run::Kind::Name:
            html += QStringLiteral("<i>") % run.text % QStringLiteral("</i>");
            if (run.index != 0)
                html += QStringLiteral("<sub>%1</sub>").arg(run.index);
            break;
        case Run::Kind::Fraction:
            html += QStringLiteral("<span style=\"white-space:nowrap\">")
                % (run.number.negative ? QStringLiteral("−") : QString()) % run.number.digits.toHtmlEscaped()
                % QLatin1Char('/') % run.denominator.toHtmlEscaped() % QStringLiteral("</span>");
            break;
        case Run::Kind::Operator:
            html += run.tight() ? run.text : QStringLiteral("&nbsp;") % run.text % QLatin1Char(' ');
            break;
        }
    }
    return html;
}

// Columns [from, to) of a matrix as one table; with `labels`, each row
// named first. The bars stand where the matrix begins and ends.
QString matrixTable(const MatrixBlock& block, std::size_t from, std::size_t to, bool labels)
{
    // Word processors size a table's columns by its cellpadding, not by CSS:
    // without it they break numbers inside their cells. A matrix's cells
    // break no line either, so their numbers need no span of their own.
    // Writer parts a table across pages unless its own style forbids it.
    // Matrices in 9 pt, rows as close as the PDF's: a 9 × 9 stays whole.
    QString html = QStringLiteral("<table cellpadding=\"1\" style=\"page-break-inside:avoid;"
                                  "border-collapse:collapse;margin:2pt 0 4pt 24pt;font-size:9pt\">\n");
    const std::size_t rows = block.rows.size();
    const std::size_t columns = rows == 0 ? 0 : block.rows.front().size();
    html.reserve(html.size() + static_cast<qsizetype>(rows * (to - from)) * 96 + 512);
    const bool whole = from == 0 && to == columns;
    // The name and the value beside the middle row, an empty cell beside the
    // others: a cell spanning the rows would let a word processor part the
    // matrix across pages.
    const std::size_t middle = (rows - 1) / 2;
    auto beside = [middle](const Runs& content, std::size_t row) -> QString {
        return QStringLiteral("<td style=\"") % QLatin1String(kBeside) % QStringLiteral("\">")
            % (row == middle ? runs(content) : QString()) % QStringLiteral("</td>");
    };
    // Each column's opening tag, written once for all its rows.
    std::vector<QString> openings;
    for (std::size_t j = from; j < to; ++j) {
        QString tag = QStringLiteral("<td style=\"") % QLatin1String(kCell);
        if (block.bars && j == 0)
            tag += QStringLiteral(";border-left:") % QLatin1String(kBar);
        if (block.bars && j + 1 == columns)
            tag += QStringLiteral(";border-right:") % QLatin1String(kBar);
        if (static_cast<int>(j) + 1 == block.markedColumn)
            tag += QStringLiteral(";background:#fff0a0;font-weight:bold");
        openings.push_back(tag + QStringLiteral("\">"));
    }
    for (std::size_t i = 0; i < rows; ++i) {
        html += QStringLiteral("<tr>");
        if (labels)
            html += QStringLiteral("<td style=\"") % QLatin1String(kBeside) % QStringLiteral("\">")
                % qtText(texts::kRowLabel).arg(i + 1) % QStringLiteral("</td>");
        if (whole && !block.name.empty())
            html += beside(block.name, i);
        for (std::size_t j = from; j < to; ++j) {
            html += openings[j - from];
            appendNumber(html, block.rows[i][j]);
            html += QStringLiteral("</td>");
        }
        if (whole && !block.value.empty())
            html += beside(block.value, i);
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

// As many columns as fit on an A4 page in a word processor, in tenths of a
// point: a digit is about 4.5 pt wide at 9 pt, a cell adds 8 pt of padding.
constexpr qsizetype kPageRoom = (482 - 24) * 10;
constexpr qsizetype kDigitWidth = 45;
constexpr qsizetype kCellPadding = 80;

// A matrix on one table where it fits the page; wider, its name on a line
// of its own, then blocks of columns with their rows named, as the text
// form writes it, so that no word processor cuts a column off.
QString matrix(const MatrixBlock& block)
{
    const std::size_t columns = block.rows.empty() ? 0 : block.rows.front().size();
    std::vector<qsizetype> widths(columns, 0);
    for (const auto& row : block.rows)
        for (std::size_t j = 0; j < columns; ++j)
            widths[j] = std::max(widths[j], row[j].plain().size() * kDigitWidth + kCellPadding);
    auto width = [&](std::size_t from, std::size_t to) {
        return std::accumulate(widths.begin() + static_cast<std::ptrdiff_t>(from),
            widths.begin() + static_cast<std::ptrdiff_t>(to), qsizetype { 0 });
    };
    const qsizetype beside = 6 * kDigitWidth + kCellPadding;
    if (width(0, columns) + (block.name.empty() ? 0 : beside) + (block.value.empty() ? 0 : beside)
        <= kPageRoom)
        return matrixTable(block, 0, columns, false);
    const auto size = static_cast<std::size_t>(columnBlockSize(
        static_cast<int>(columns), static_cast<qreal>(kPageRoom - beside), [&](int from, int to) {
            return static_cast<qreal>(width(static_cast<std::size_t>(from), static_cast<std::size_t>(to)));
        }));
    QString html;
    if (!block.name.empty())
        html += QStringLiteral("<p class=\"lead\" style=\"margin-left:24pt\">") % runs(block.name)
            % QStringLiteral("</p>\n");
    for (std::size_t from = 0; from < columns; from += size) {
        const std::size_t to = std::min(columns, from + size);
        const QString heading = to == from + 1
            ? qtText(texts::kColumnBlock).arg(from + 1)
            : qtText(texts::kColumnsBlock).arg(QString::number(from + 1), QString::number(to));
        html += QStringLiteral("<p class=\"lead\" style=\"margin-left:24pt;page-break-after:avoid\">")
            % heading % QStringLiteral("</p>\n") % matrixTable(block, from, to, true);
    }
    if (!block.value.empty())
        html += QStringLiteral("<p style=\"margin-left:24pt\">") % runs(block.name) % runs(block.value)
            % QStringLiteral("</p>\n");
    return html;
}

// The SVG as an image of the page itself: word processors, given an <svg>
// element on the clipboard, paste its labels as a line of loose text.
QString figureImage(const Drawing& drawing)
{
    return QStringLiteral("<img width=\"%1\" height=\"%2\" alt=\"")
               .arg(QString::number(std::lround(drawing.width * kPixelsPerPoint)),
                   QString::number(std::lround(drawing.height * kPixelsPerPoint)))
        % drawing.description.toHtmlEscaped() % QStringLiteral("\" src=\"data:image/svg+xml;base64,")
        % QString::fromLatin1(drawingAsSvg(drawing).toUtf8().toBase64()) % QStringLiteral("\">");
}

} // namespace

QString workingAsHtml(const WorkingDocument& document)
{
    // A page with a title, or what goes to the clipboard without one.
    const QString title = document.title.toHtmlEscaped();
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"") % languageCode(installedLanguage())
        % QStringLiteral("\">\n<head>\n<meta charset=\"utf-8\">\n")
        % (title.isEmpty() ? QString() : QStringLiteral("<title>") % title % QStringLiteral("</title>\n"))
        % QStringLiteral("<style>\n") % QString::fromUtf8(kStyle)
        % QStringLiteral("</style>\n</head>\n<body>\n")
        % (title.isEmpty() ? QString() : QStringLiteral("<h1>") % title % QStringLiteral("</h1>\n"));
    for (const Section& section : document.sections) {
        if (section.keepWhole)
            html += QStringLiteral("<div style=\"break-inside:avoid;page-break-inside:avoid\">\n");
        // On the heading itself: word processors break pages before a paragraph, not an empty box.
        if (!section.heading.empty())
            html += (section.newPage
                            ? QStringLiteral("<h2 style=\"break-before:page;page-break-before:always\">")
                            : QStringLiteral("<h2>"))
                % runs(section.heading) % QStringLiteral("</h2>\n");
        const Block* previous = nullptr;
        for (const Block& block : section.blocks) {
            // Word processors join tables that follow one another into one.
            if (previous && previous->kind == Block::Kind::Matrix && block.kind == Block::Kind::Matrix)
                html += QStringLiteral("<p style=\"margin:0;line-height:0.5\">&nbsp;</p>\n");
            previous = &block;
            switch (block.kind) {
            case Block::Kind::Paragraph:
                html += (block.keepWithNext ? QStringLiteral("<p class=\"lead\">") : QStringLiteral("<p>"))
                    % runs(block.runs) % QStringLiteral("</p>\n");
                break;
            case Block::Kind::Formula:
                html += QStringLiteral("<p class=\"formula\" style=\"margin-left:24pt\">") % runs(block.runs)
                    % QStringLiteral("</p>\n");
                break;
            case Block::Kind::Verdict:
                html += (block.keepWithNext ? QStringLiteral("<p class=\"lead\" style=\"font-weight:bold\">")
                                            : QStringLiteral("<p style=\"font-weight:bold\">"))
                    % runs(block.runs) % QStringLiteral("</p>\n");
                break;
            case Block::Kind::Matrix:
                html += matrix(block.matrix);
                break;
            case Block::Kind::Figure:
                html += QStringLiteral("<p class=\"lead\" style=\"text-align:center\">")
                    % figureImage(figureDrawing(*block.figure)) % QStringLiteral("</p>\n");
                break;
            case Block::Kind::Rule:
                html += QStringLiteral(
                    "<hr style=\"border:none;border-top:1px dashed black;margin:12pt 0\">\n");
                break;
            }
        }
        if (section.keepWhole)
            html += QStringLiteral("</div>\n");
    }
    return html + QStringLiteral("</body>\n</html>\n");
}

} // namespace cramer
