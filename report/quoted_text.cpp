// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/quoted_text.h"

#include <QStringList>

namespace cramer {
namespace {

bool isInvisible(char32_t codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString quotedForMessage(const QString& text, int longest)
{
    QStringList shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        qsizetype units = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        shown << (isInvisible(codePoint)
                ? QStringLiteral("U+%1").arg(static_cast<uint>(codePoint), 4, 16, QLatin1Char('0')).toUpper()
                : text.mid(i, units));
        i += units - 1;
    }
    if (shown.size() > longest)
        return shown.mid(0, longest).join(QString()) + QChar(0x2026);
    return shown.join(QString());
}

} // namespace cramer
