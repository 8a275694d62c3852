// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A block of cells as spreadsheets and worksheets put it on the clipboard:
// one row a line, cells split by tabs, by semicolons, or by blanks and
// commas (commas only where they are not the decimal separator).

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

namespace cramer {

struct TextBlock {
    std::vector<QStringList> rows; // cells trimmed, exactly as written otherwise

    int height() const { return static_cast<int>(rows.size()); }
    int width() const; // the longest row
    bool isRagged() const;
    bool isSingleCell() const { return rows.size() <= 1 && width() <= 1; }
};

// Empty trailing lines are dropped; "\r\n" counts as one line break.
TextBlock splitTextBlock(const QString& text, QChar decimalPoint);

} // namespace cramer
