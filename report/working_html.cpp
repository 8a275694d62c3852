// SPDX-License-Identifier: GPL-3.0-or-later

// The working as an HTML5 page: for browsers, word processors and the
// clipboard. Numbers never break inside, matrices never across pages.

#include "report/working_document.h"

#include <QStringBuilder>

namespace cramer {
namespace {

const char* const kStyle = R"(@page { size: A4; margin: 2cm; }
body { font-family: "Liberation Serif", "DejaVu Serif", serif; line-height: 1.4; max-width: 50em; }
h1 { font-size: 1.5em; }
h2 { font-size: 1.2em; margin-top: 1.4em; break-after: avoid; page-break-after: avoid; }
p { margin: 0.3em 0; }
p.formula { margin-left: 2em; break-inside: avoid; page-break-inside: avoid; }
p.verdict { font-weight: bold; }
p.lead { break-after: avoid; page-break-after: avoid; }
.n { white-space: nowrap; }
table.matrix { border-collapse: collapse; margin: 0.4em 0 0.6em 2em; break-inside: avoid; page-break-inside: avoid; }
table.matrix td { padding: 0.1em 0.5em; text-align: right; white-space: nowrap; }
table.matrix td.name { text-align: left; vertical-align: middle; }
table.matrix td.first { border-left: 2px solid; }
table.matrix td.last { border-right: 2px solid; }
table.matrix td.marked { background: #fff0a0; font-weight: bold; }
)";

QString number(const WrittenNumber& value)
{
    QString text = value.signedDigits().toHtmlEscaped();
    if (value.scaled && !value.infinite)
        text += QStringLiteral("·10<sup>") % (value.exponent < 0 ? QStringLiteral("−") : QString())
            % QString::number(std::abs(value.exponent)) % QStringLiteral("</sup>");
    if (value.parenthesized)
        text = QLatin1Char('(') % text % QLatin1Char(')');
    return QStringLiteral("<span class=\"n\">") % text % QStringLiteral("</span>");
}

QString runs(const Runs& content)
{
    QString html;
    for (const Run& run : content) {
        switch (run.kind) {
        case Run::Kind::Text:
            html += run.text.toHtmlEscaped();
            break;
        case Run::Kind::Number:
            html += number(run.number);
            break;
        case Run::Kind::Name:
            html += QStringLiteral("<i>") % run.text % QStringLiteral("</i>");
            if (run.index != 0)
                html += QStringLiteral("<sub>%1</sub>").arg(run.index);
            break;
        case Run::Kind::Fraction:
            html += QStringLiteral("<span class=\"n\">")
                % (run.number.negative ? QStringLiteral("−") : QString()) % run.number.digits.toHtmlEscaped()
                % QLatin1Char('/') % run.denominator.toHtmlEscaped() % QStringLiteral("</span>");
            break;
        case Run::Kind::Operator:
            html += run.text == QStringLiteral("·") || run.text == QStringLiteral("/")
                ? run.text
                : QStringLiteral("&nbsp;") % run.text % QLatin1Char(' ');
            break;
        }
    }
    return html;
}

QString matrix(const MatrixBlock& block)
{
    QString html = QStringLiteral("<table class=\"matrix\">\n");
    const std::size_t rows = block.rows.size();
    for (std::size_t i = 0; i < rows; ++i) {
        html += QStringLiteral("<tr>");
        if (i == 0 && !block.name.empty())
            html += QStringLiteral("<td class=\"name\" rowspan=\"%1\">").arg(rows) % runs(block.name)
                % QStringLiteral("</td>");
        const auto& row = block.rows[i];
        for (std::size_t j = 0; j < row.size(); ++j) {
            QStringList classes;
            if (block.bars && j == 0)
                classes << QStringLiteral("first");
            if (block.bars && j + 1 == row.size())
                classes << QStringLiteral("last");
            if (static_cast<int>(j) + 1 == block.markedColumn)
                classes << QStringLiteral("marked");
            html += (classes.isEmpty()
                            ? QStringLiteral("<td>")
                            : QStringLiteral("<td class=\"%1\">").arg(classes.join(QLatin1Char(' '))))
                % number(row[j]) % QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

} // namespace

QString workingAsHtml(const WorkingDocument& document)
{
    QString html
        = QStringLiteral("<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n<title>")
        % document.title.toHtmlEscaped() % QStringLiteral("</title>\n<style>\n") % QString::fromUtf8(kStyle)
        % QStringLiteral("</style>\n</head>\n<body>\n<h1>") % document.title.toHtmlEscaped()
        % QStringLiteral("</h1>\n");
    for (const Section& section : document.sections) {
        if (!section.heading.empty())
            html += QStringLiteral("<h2>") % runs(section.heading) % QStringLiteral("</h2>\n");
        for (const Block& block : section.blocks) {
            switch (block.kind) {
            case Block::Kind::Paragraph:
                html += (block.keepWithNext ? QStringLiteral("<p class=\"lead\">") : QStringLiteral("<p>"))
                    % runs(block.runs) % QStringLiteral("</p>\n");
                break;
            case Block::Kind::Formula:
                html += QStringLiteral("<p class=\"formula\">") % runs(block.runs) % QStringLiteral("</p>\n");
                break;
            case Block::Kind::Verdict:
                html += (block.keepWithNext ? QStringLiteral("<p class=\"verdict lead\">")
                                            : QStringLiteral("<p class=\"verdict\">"))
                    % runs(block.runs) % QStringLiteral("</p>\n");
                break;
            case Block::Kind::Matrix:
                html += matrix(block.matrix);
                break;
            }
        }
    }
    return html + QStringLiteral("</body>\n</html>\n");
}

} // namespace cramer
