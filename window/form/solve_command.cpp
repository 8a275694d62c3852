// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form/solve_command.h"

#include "report/solve_messages.h"
#include "report/texts.h"
#include "window/form/form1.h"
#include "window/form/layout_tables.h"
#include "window/form/quiet_cells.h"
#include "window/form/user_locale.h"

#include <QLocale>

#include <vector>

namespace cramer {
namespace {

using texts::qtText;

class GridTexts : public CellSource {
public:
    explicit GridTexts(const Form1& form)
        : form_(form)
    {
    }
    std::string cellText(int row, int column) const override
    {
        return form_.cell(row, column)->text().toStdString();
    }

private:
    const Form1& form_;
};

class WindowDisplay : public CramerDisplay {
public:
    WindowDisplay(Form1& form, MessageBoxes& boxes)
        : form_(form)
        , boxes_(boxes)
    {
    }

    void showDeterminant(const Matrix& matrix, int size) override { form_.pokajideterminanta(matrix, size); }
    void showHeading(int index) override
    {
        form_.showDeterminantHeading(index);
        shownIndex_ = index;
    }
    void announceDeterminant(float value) override
    {
        // The heading beside the grid says which determinant it is; a
        // screen reader hears it with the box.
        boxes_.inform(&form_, qtText(texts::kAnnouncementTitle),
            qtText(texts::kAnnouncementPrefix) + form_.numberText(value),
            shownIndex_ == 0 ? qtText(texts::kAnnouncementMainDeterminant)
                             : qtText(texts::kAnnouncementNumerator).arg(shownIndex_));
    }
    void reportSingular() override
    {
        boxes_.inform(&form_, qtText(texts::kSingularTitle), qtText(texts::kSingularFirst));
        boxes_.inform(&form_, qtText(texts::kSingularTitle), qtText(texts::kSingularSecond));
    }
    void clearGrid() override
    {
        form_.iz4istitext();
        form_.iz4isticwet();
    }
    void showSystem(const Matrix& matrix, int) override { form_.pokajisistemata(matrix); }
    void showResultRows(
        int size, const Vector& numerators, float mainDeterminant, const Vector& solutions) override
    {
        form_.showResultRows(size, numerators, mainDeterminant, solutions);
    }

private:
    Form1& form_;
    MessageBoxes& boxes_;
    int shownIndex_ = 0;
};

// The values the result rows show rounded, in full behind each label.
void describeResultRows(Form1& form, const SolveRecord& record)
{
    using tables::ResultColumn;
    auto describe = [&form](int row, ResultColumn column, float value) {
        form.label(tables::resultLabelNumber(row, column))->describeValue(form.numberText(value));
    };
    for (int row = 1; row <= record.typed.n; ++row) {
        const auto i = static_cast<std::size_t>(row);
        describe(row, ResultColumn::Numerator, record.determinants[i].trace.value);
        describe(row, ResultColumn::Determinant, record.determinants[0].trace.value);
        describe(row, ResultColumn::Solution, record.quotients[i - 1]);
    }
}

} // namespace

SolveCommand::SolveCommand(Form1& form, MessageBoxes& boxes)
    : form_(form)
    , boxes_(boxes)
{
}

SolveRecord SolveCommand::run(SystemStore& store, const NumberLocale& locale)
{
    WindowDisplay display(form_, boxes_);
    SolveRecord record;
    {
        const QuietCells quiet;
        solveSystem(store, GridTexts(form_), locale, display, &record);
    }
    if (record.outcome.status == SolveStatus::Solved)
        describeResultRows(form_, record);
    return record;
}

void SolveCommand::reportBadCell(const CellError& error, int n, const NumberLocale& locale)
{
    const QString message = badCellMessage(error, n, locale) + QLatin1Char('\n')
        + qtText(texts::kExpectedNumber).arg(form_.numberText(2.5f));

    GridCell* badCell = form_.cell(error.row, error.column);
    boxes_.inform(&form_, qtText(texts::kBadCellTitle), message);
    badCell->setFocus();
    badCell->selectAll();
}

void SolveCommand::reportOverflow(const OverflowError& error, const NumberLocale& locale)
{
    boxes_.inform(&form_, qtText(texts::kOverflowTitle), overflowMessage(error, largestSingleText(locale)));
}

} // namespace cramer
