// SPDX-License-Identifier: GPL-3.0-or-later

// The working as an HTML5 page: for browsers, word processors and the
// clipboard. Numbers never break inside, matrices never across pages. The
// look is in style attributes in points, which word processors keep when
// pasting; the style sheet holds what only pages and browsers use.

#include "report/figure.h"
#include "report/working_document.h"
#include "report/working_forms.h"

#include <QStringBuilder>

#include <algorithm>
#include <cmath>
#include <vector>

namespace cramer {
namespace {

const char* const kStyle = R"(@page { size: A4; margin: 2cm; }
body { font-family: "Liberation Serif", "DejaVu Serif", serif; line-height: 1.4; max-width: 50em; }
h2 { break-after: avoid; page-break-after: avoid; }
p.lead { break-after: avoid; page-break-after: avoid; }
p.formula, table { break-inside: avoid; page-break-inside: avoid; }
)";

constexpr const char* kCell = "padding:1pt 6pt;text-align:right;white-space:nowrap";
constexpr const char* kBeside = "padding:1pt 6pt;vertical-align:middle;white-space:nowrap";
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
    html += value.infinite ? QStringLiteral("∞") : value.digits;
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
            html += run.tight() ? run.text : QStringLiteral("&nbsp;") % run.symbol() % QLatin1Char(' ');
            break;
        }
    }
    return html;
}

QString matrix(const MatrixBlock& block)
{
    // Word processors size a table's columns by its cellpadding, not by CSS:
    // without it they break numbers inside their cells. A matrix's cells
    // break no line either, so their numbers need no span of their own.
    QString html = QStringLiteral(
        "<table cellpadding=\"4\" style=\"border-collapse:collapse;margin:4pt 0 6pt 24pt\">\n");
    const std::size_t rows = block.rows.size();
    const std::size_t columns = rows == 0 ? 0 : block.rows.front().size();
    html.reserve(html.size() + static_cast<qsizetype>(rows * columns) * 96 + 512);
    auto beside = [rows](const Runs& content) -> QString {
        return QStringLiteral("<td rowspan=\"%1\" style=\"%2\">")
                   .arg(QString::number(rows), QLatin1String(kBeside))
            % runs(content) % QStringLiteral("</td>");
    };
    // Each column's opening tag, written once for all its rows.
    auto opening = [&block](std::size_t j, std::size_t size) {
        QString tag = QStringLiteral("<td style=\"") % QLatin1String(kCell);
        if (block.bars && j == 0)
            tag += QStringLiteral(";border-left:") % QLatin1String(kBar);
        if (block.bars && j + 1 == size)
            tag += QStringLiteral(";border-right:") % QLatin1String(kBar);
        if (static_cast<int>(j) + 1 == block.markedColumn)
            tag += QStringLiteral(";background:#fff0a0;font-weight:bold");
        return tag + QStringLiteral("\">");
    };
    std::vector<QString> openings;
    for (std::size_t i = 0; i < rows; ++i) {
        html += QStringLiteral("<tr>");
        if (i == 0 && !block.name.empty())
            html += beside(block.name);
        const auto& row = block.rows[i];
        if (openings.size() != row.size()) {
            openings.clear();
            for (std::size_t j = 0; j < row.size(); ++j)
                openings.push_back(opening(j, row.size()));
        }
        for (std::size_t j = 0; j < row.size(); ++j) {
            html += openings[j];
            appendNumber(html, row[j]);
            html += QStringLiteral("</td>");
        }
        if (i == 0 && !block.value.empty())
            html += beside(block.value);
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
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
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n")
        % (title.isEmpty() ? QString() : QStringLiteral("<title>") % title % QStringLiteral("</title>\n"))
        % QStringLiteral("<style>\n") % QString::fromUtf8(kStyle)
        % QStringLiteral("</style>\n</head>\n<body>\n")
        % (title.isEmpty() ? QString() : QStringLiteral("<h1>") % title % QStringLiteral("</h1>\n"));
    for (const Section& section : document.sections) {
        if (!section.heading.empty())
            html += QStringLiteral("<h2>") % runs(section.heading) % QStringLiteral("</h2>\n");
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
            }
        }
    }
    return html + QStringLiteral("</body>\n</html>\n");
}

} // namespace cramer
