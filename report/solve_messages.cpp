// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/solve_messages.h"

#include "report/figure.h"
#include "report/number_writer.h"
#include "report/quoted_text.h"
#include "report/runs.h"
#include "report/texts.h"

#include <QStringBuilder>

#include <limits>

namespace cramer {

QString cellPlace(int row, int column, int n)
{
    using texts::qtText;
    return column <= n
        ? qtText(texts::kCoefficientPlace).arg(QString::number(row), texts::plainIndexedName('x', column))
        : qtText(texts::kFreeTermPlace).arg(row);
}

// In the notation of every other message: 3,402823·10³⁸.
QString largestSingleText(const NumberLocale& locale)
{
    return labelText(
        Runs { numberRun(NumberWriter(locale).approximate(std::numeric_limits<float>::max(), 7)) });
}

QString badCellMessage(const CellError& error, int n, const NumberLocale& locale)
{
    using texts::qtText;
    const QString place = cellPlace(error.row, error.column, n);
    const QString text = quotedForMessage(QString::fromStdString(error.text));
    if (error.kind == ConversionError::OutOfRange)
        return qtText(texts::kOutOfRangeCell).arg(place, text, largestSingleText(locale));
    if (QString::fromStdString(error.text).trimmed().isEmpty())
        return qtText(texts::kEmptyCell).arg(place);
    return qtText(texts::kNotANumberCell).arg(place, text);
}

QString overflowMessage(const OverflowError& error, const QString& largest)
{
    using texts::qtText;
    QString value;
    switch (error.value) {
    case OverflowValue::MainDeterminant:
        value = qtText(texts::kOverflowMainDeterminant);
        break;
    case OverflowValue::NumeratorDeterminant:
        value = qtText(texts::kOverflowNumerator).arg(texts::plainIndexedName('d', error.index));
        break;
    case OverflowValue::Solution:
        value
            = qtText(texts::kOverflowSolution)
                  .arg(texts::plainIndexedName('x', error.index), texts::plainIndexedName('d', error.index));
        break;
    }
    return qtText(texts::kOverflowWhat).arg(value, largest) % QLatin1Char('\n')
        % qtText(texts::kOverflowWhatToDo);
}

} // namespace cramer
