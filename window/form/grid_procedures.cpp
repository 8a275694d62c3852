// SPDX-License-Identifier: GPL-3.0-or-later

// Laying the grid out, clearing it, and writing matrices and results into it.

#include "window/form/form1.h"

#include "report/texts.h"
#include "window/form/layout_tables.h"
#include "window/form/user_locale.h"

#include <QRadioButton>
#include <QScopedValueRollback>

#include <algorithm>

namespace cramer {
namespace {

using texts::qtText;

} // namespace

TypedSystem Form1::typedSystem() const
{
    TypedSystem system { store_.SystemSize, {} };
    for (const GridCell* entry : controls_.systemCells(system.n))
        system.texts.push_back(entry->text().toStdString());
    return system;
}

void Form1::enterSystem(const TypedSystem& system)
{
    {
        // Filled by the program, not edited by the user.
        const QScopedValueRollback filling(commandRunning_, true);
        option(system.n - 1)->setChecked(true);
        iz4istitext();
        iz4isticwet();
        layOutFor(system.n);
        store_.SystemSize = static_cast<std::int16_t>(system.n);
        auto text = system.texts.begin();
        for (GridCell* entry : controls_.systemCells(system.n))
            entry->setText(QString::fromStdString(*text++));
    }
    emit gridReset();
    emit gridReplaced();
}

int Form1::selectedSize() const
{
    for (int k = 1; k <= kMaxSize - 1; ++k) {
        if (option(k)->isChecked())
            return k + 1;
    }
    return store_.SystemSize;
}

bool Form1::holdsSystem() const
{
    const std::vector<GridCell*> cells = controls_.systemCells(store_.SystemSize);
    return !cells.empty() && std::none_of(cells.begin(), cells.end(), [](const GridCell* entry) {
        return entry->text().trimmed().isEmpty();
    });
}

void Form1::Form_Load()
{
    iz4istitext();
    iz4isticwet();
    store_.SystemSize = 2;
    layOutFor(2);
    numberLocale_ = userNumberLocale();
    cell(1, 1)->setFocus();
}

void Form1::Command1_Click()
{
    if (commandRunning_)
        return;
    emit gridReset();
    {
        // Cleared by the program, not edited by the user.
        const QScopedValueRollback clearing(commandRunning_, true);
        for (int k = 1; k <= 8; ++k) {
            if (option(k)->isChecked()) {
                iz4istitext();
                iz4isticwet();
                layOutFor(k + 1);
                store_.SystemSize = static_cast<std::int16_t>(k + 1);
            }
        }
    }
    emit gridReplaced();
}

void Form1::Command2_Click()
{
    if (commandRunning_)
        return;
    emit gridReset();
    {
        const QScopedValueRollback clearing(commandRunning_, true);
        iz4istitext();
        iz4isticwet();
    }
    emit gridReplaced();
}

void Form1::iz4istitext()
{
    line(1)->setEnds(
        tables::kRestingBarX, tables::kRestingBarTop, tables::kRestingBarX, tables::kRestingBarBottom);
    line(3)->setDrawMode(tables::kDrawModeMaskNotPen);
    for (int row = 1; row <= tables::kGridRows; ++row) {
        for (int column = 1; column <= tables::kGridColumns; ++column) {
            // Set, not cleared: a cleared text would stay in the cell's own undo.
            cell(row, column)->setText(QString());
            cell(row, column)->describeValue(QString());
        }
    }
    for (int number = 1; number <= tables::kLabelCount; ++number) {
        if (number != tables::kResultHeadingLabel && number != tables::kAttributionLabel) {
            label(number)->setCaption(QString());
            label(number)->describeValue(QString());
        }
    }
}

void Form1::iz4isticwet()
{
    for (int row = 1; row <= tables::kGridRows; ++row) {
        for (int column = 1; column <= tables::kGridColumns; ++column) {
            cell(row, column)->setBackColor(tables::kGreen);
            cell(row, column)->setRole(GridCell::Role::Unused);
        }
    }
}

void Form1::layOutFor(int n)
{
    for (GridCell* cell : controls_.systemCells(n))
        cell->setBackColor(tables::kWindowBackground);
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n + 1; ++column)
            cell(row, column)->setRole(column <= n ? GridCell::Role::Coefficient : GridCell::Role::FreeTerm);
    }
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n; ++column) {
            label(tables::operatorLabelNumber(row, column))
                ->setCaption(qtText(texts::kOperatorPrefix) + QString::number(column)
                    + qtText(column < n ? texts::kOperatorPlus : texts::kOperatorEquals));
        }
    }
}

void Form1::pokajideterminanta(const Matrix& matrix, int n)
{
    const GridCell::ColourChanges colours;
    iz4istitext();
    iz4isticwet();
    const tables::DeterminantDecoration decoration = tables::decorationFor(n);
    layout_.moveTop(label(tables::kHeadingLetterLabel), decoration.headingTop);
    layout_.moveTop(label(tables::kHeadingIndexLabel), decoration.indexTop);
    layout_.moveTop(label(tables::kHeadingEqualsLabel), decoration.headingTop);
    line(3)->setDrawMode(tables::kDrawModeCopyPen);
    line(1)->setEnds(decoration.leftBarX, decoration.barTop, decoration.leftBarX, decoration.barBottom);
    line(3)->setEnds(decoration.rightBarX, decoration.barTop, decoration.rightBarX, decoration.barBottom);
    for (int row = 1; row <= n; ++row)
        for (int column = 1; column <= n; ++column)
            cell(row, column)->setBackColor(tables::kWindowBackground);
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n; ++column) {
            cell(row, column)->setRole(GridCell::Role::MatrixEntry);
            const QString value = numberText(matrix[row][column]);
            cell(row, column)->setText(value);
            // Behind a text the cell had to squeeze.
            cell(row, column)->describeValue(value);
        }
    }
}

void Form1::pokajisistemata(const Matrix& matrix)
{
    const int n = store_.SystemSize;
    if (n < kMinSize || n > kMaxSize)
        return;
    layOutFor(n);
    for (int row = 1; row <= n; ++row)
        for (int column = 1; column <= n + 1; ++column)
            cell(row, column)->setText(numberText(matrix[row][column]));
}

void Form1::showDeterminantHeading(int index)
{
    label(tables::kHeadingLetterLabel)->setCaption(qtText(texts::kHeadingLetter));
    label(tables::kHeadingIndexLabel)
        ->setCaption(
            index == 0 ? QString() : QString::fromStdString(formatInt16(static_cast<std::int16_t>(index))));
    label(tables::kHeadingEqualsLabel)->setCaption(qtText(texts::kHeadingEquals));
}

void Form1::showResultRows(int n, const Vector& numerators, float mainDeterminant, const Vector& solutions)
{
    using tables::ResultColumn;
    using tables::resultLabelNumber;
    for (int row = 1; row <= n; ++row) {
        label(resultLabelNumber(row, ResultColumn::Name))
            ->setCaption(qtText(texts::kResultNameFormat).arg(row));
        label(resultLabelNumber(row, ResultColumn::Numerator))->setCaption(numberText(numerators[row]));
        label(resultLabelNumber(row, ResultColumn::Determinant))->setCaption(numberText(mainDeterminant));
        label(resultLabelNumber(row, ResultColumn::Solution))->setCaption(numberText(solutions[row]));
        label(resultLabelNumber(row, ResultColumn::Slash))->setCaption(qtText(texts::kResultSlash));
        label(resultLabelNumber(row, ResultColumn::Equals))->setCaption(qtText(texts::kResultEquals));
    }
}

} // namespace cramer
