// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/solve_messages.h"

#include "report/texts.h"

namespace cramer {

QString cellPlace(int row, int column, int n)
{
    using texts::qtText;
    return column <= n ? qtText(texts::kCoefficientPlace).arg(row).arg(column)
                       : qtText(texts::kFreeTermPlace).arg(row);
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
        value = qtText(texts::kOverflowNumerator).arg(error.index);
        break;
    case OverflowValue::Solution:
        value = qtText(texts::kOverflowSolution).arg(error.index);
        break;
    }
    return qtText(texts::kOverflowText).arg(value, largest);
}

} // namespace cramer
