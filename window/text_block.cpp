// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/text_block.h"

#include <QRegularExpression>

#include <algorithm>

namespace cramer {

int TextBlock::width() const
{
    qsizetype widest = 0;
    for (const QStringList& row : rows)
        widest = std::max(widest, row.size());
    return static_cast<int>(widest);
}

bool TextBlock::isRagged() const
{
    const int widest = width();
    return std::any_of(
        rows.begin(), rows.end(), [widest](const QStringList& row) { return row.size() != widest; });
}

namespace {

QStringList splitRow(const QString& line, QChar decimalPoint)
{
    QStringList cells;
    if (line.contains(QLatin1Char('\t')))
        cells = line.split(QLatin1Char('\t'));
    else if (line.contains(QLatin1Char(';')))
        cells = line.split(QLatin1Char(';'));
    else {
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        static const QRegularExpression blanksOrCommas(QStringLiteral("\\s*,\\s*|\\s+"));
        const bool commaSeparates = decimalPoint != QLatin1Char(',');
        cells = line.trimmed().split(commaSeparates ? blanksOrCommas : blanks);
    }
    for (QString& cell : cells)
        cell = cell.trimmed();
    return cells;
}

} // namespace

TextBlock splitTextBlock(const QString& text, QChar decimalPoint)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();

    TextBlock block;
    for (const QString& line : lines)
        block.rows.push_back(splitRow(line, decimalPoint));
    return block;
}

} // namespace cramer
