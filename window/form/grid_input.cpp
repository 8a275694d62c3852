// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/grid_input.h"

#include "report/texts.h"
#include "sheets/system_file.h"
#include "sheets/text_block.h"
#include "window/form/form1.h"
#include "window/form/layout_tables.h"
#include "window/form/user_locale.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QRadioButton>

#include <algorithm>

namespace cramer {
namespace {

using texts::qtText;

QString rowCount(int rows) { return qtText(texts::kRows, rows); }
QString cellCount(int cells) { return qtText(texts::kCells, cells); }

// n rows of n + 1 cells: a whole system of size n.
bool isSystemShape(const TextBlock& block)
{
    const int n = block.height();
    return n >= kMinSize && n <= kMaxSize && !block.isRagged() && block.width() == n + 1;
}

// Some rows have n + 1 cells, others not: it may be meant as a system, but
// which one cannot be told.
bool isAmbiguousSystem(const TextBlock& block)
{
    const int n = block.height();
    return n >= kMinSize && n <= kMaxSize && block.isRagged()
        && std::any_of(block.rows.begin(), block.rows.end(),
            [n](const TextRow& row) { return static_cast<int>(row.cells.size()) == n + 1; });
}

} // namespace

GridInput::GridInput(Form1& form, MessageBoxes& boxes)
    : QObject(&form)
    , form_(form)
    , boxes_(boxes)
{
    for (int row = 1; row <= tables::kGridRows; ++row) {
        for (int column = 1; column <= tables::kGridColumns; ++column) {
            GridCell* entry = form.cell(row, column);
            connect(entry, &GridCell::pasteRequested, this, [this, row, column] { paste(row, column); });
            connect(
                entry, &GridCell::nextCellRequested, this, [this, row, column] { moveToNext(row, column); });
            connect(entry, &GridCell::verticalMoveRequested, this,
                [this, row, column](int rows) { moveVertically(row, column, rows); });
        }
    }
}

void GridInput::paste(int row, int column)
{
    if (form_.isBusy())
        return;
    const NumberLocale locale = userNumberLocale();
    const std::string pasted = QGuiApplication::clipboard()->text().toStdString();
    TextBlock block = splitTextBlock(pasted, locale.decimal == ",");
    // A spreadsheet's decimal commas, where the locale has none, in its form.
    for (TextRow& cells : block.rows)
        for (TextCell& cell : cells.cells)
            cell.text = gridText(fileCell(cell), locale);
    if (refusedAsTooLong(block, row, column))
        return;
    if (block.isSingleCell()) {
        // Without the line break a spreadsheet puts after a single cell.
        if (block.rows.empty())
            form_.cell(row, column)->paste();
        else
            form_.cell(row, column)->insert(QString::fromStdString(block.rows[0].cells[0].text));
        return;
    }

    const bool atFirstCell = row == 1 && column == 1;
    // A system is read as the same text opened as a file: titles, headers
    // and comments passed over, a comma told apart by the other numbers.
    if (atFirstCell) {
        if (const ReadSystem read = readSystemText(pasted, locale); read.system) {
            form_.enterSystem(*read.system);
            focusCell(row, column);
            return;
        }
    }
    if (atFirstCell && isAmbiguousSystem(block)) {
        int shortest = block.width();
        for (const TextRow& cells : block.rows)
            shortest = std::min(shortest, static_cast<int>(cells.cells.size()));
        boxes_.inform(&form_, qtText(texts::kPasteTitle),
            qtText(texts::kPasteRagged)
                .arg(QString::number(shortest), QString::number(block.width()),
                    QString::number(block.height()), QString::number(block.height() + 1)));
        return;
    }
    if (atFirstCell && isSystemShape(block)) {
        TypedSystem system { block.height(), {} };
        for (const TextRow& cells : block.rows)
            for (const TextCell& cell : cells.cells)
                system.texts.push_back(cell.text);
        form_.enterSystem(system);
        focusCell(row, column);
        return;
    }
    const int rowsLeft = tables::kGridRows - row + 1;
    const int columnsLeft = tables::kGridColumns - column + 1;
    if (block.height() > rowsLeft || block.width() > columnsLeft) {
        boxes_.inform(&form_, qtText(texts::kPasteTitle),
            qtText(texts::kPasteTooLarge)
                .arg(rowCount(block.height()), cellCount(block.width()), QString::number(row),
                    QString::number(column), rowCount(rowsLeft), cellCount(columnsLeft)));
        return;
    }
    for (int i = 0; i < block.height(); ++i) {
        const auto& cells = block.rows[static_cast<std::size_t>(i)].cells;
        for (std::size_t j = 0; j < cells.size(); ++j)
            form_.cell(row + i, column + static_cast<int>(j))->setText(QString::fromStdString(cells[j].text));
    }
    focusCell(row, column);
}

bool GridInput::refusedAsTooLong(const TextBlock& block, int row, int column)
{
    // A text longer than a cell holds would be cut without a word.
    const int longest = form_.cell(row, column)->maxLength();
    for (int i = 0; i < block.height(); ++i) {
        const auto& cells = block.rows[static_cast<std::size_t>(i)].cells;
        for (std::size_t j = 0; j < cells.size(); ++j) {
            const qsizetype length = QString::fromStdString(cells[j].text).size();
            if (length > longest) {
                boxes_.inform(&form_, qtText(texts::kPasteTitle),
                    qtText(texts::kPasteTooLong)
                        .arg(QString::number(row + i), QString::number(column + static_cast<int>(j)),
                            QString::number(length), QString::number(longest)));
                return true;
            }
        }
    }
    return false;
}

bool GridInput::isInUse(int row, int column) const
{
    const int n = form_.store().SystemSize;
    return row <= n && column <= n + 1;
}

void GridInput::focusCell(int row, int column)
{
    GridCell* target = form_.cell(row, column);
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void GridInput::moveToNext(int row, int column)
{
    if (!isInUse(row, column))
        return;
    const int n = form_.store().SystemSize;
    if (column <= n)
        focusCell(row, column + 1);
    else
        focusCell(row < n ? row + 1 : 1, 1);
}

void GridInput::moveVertically(int row, int column, int rows)
{
    const int target = row + rows;
    if (target >= 1 && target <= tables::kGridRows)
        focusCell(target, column);
}

} // namespace cramer
