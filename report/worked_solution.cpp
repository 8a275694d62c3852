// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/worked_solution.h"

#include "report/file_texts.h"
#include "report/texts.h"

namespace cramer {
WorkedSolution::WorkedSolution(SolveRecord solve)
    : record(std::move(solve))
{
}

const ExactWorking& WorkedSolution::exact() const
{
    if (!exact_)
        exact_ = computeExactWorking(record);
    return *exact_;
}

const std::optional<Accuracy>& WorkedSolution::accuracy() const
{
    if (!accuracy_)
        accuracy_ = exact().tooLong ? std::nullopt : assessAccuracy(record, exact());
    return *accuracy_;
}

QString WorkedSolution::number(float value) const
{
    return QString::fromStdString(formatSingle(value, record.locale));
}

QString sheetNote(const ReadSystem& read)
{
    if (read.shownSheet.empty())
        return {};
    return texts::qtText(texts::kSheetReadInstead)
        .arg(QString::fromStdString(read.sheet), QString::fromStdString(read.shownSheet));
}

QString outdatedNote(const WorkedSolution& solution)
{
    return solution.outdated ? texts::qtText(texts::kOutdatedSolution) : QString();
}

} // namespace cramer
