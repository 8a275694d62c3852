// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/sheet_rows.h"

#include <algorithm>

namespace cramer {

FileError archiveError(ZipArchive::Problem problem)
{
    FileError error;
    switch (problem) {
    case ZipArchive::Problem::None:
        break;
    case ZipArchive::Problem::Damaged:
        error.problem = FileProblem::DamagedArchive;
        break;
    case ZipArchive::Problem::Missing:
        error.problem = FileProblem::NoSheet;
        break;
    case ZipArchive::Problem::Encrypted:
        error.problem = FileProblem::Encrypted;
        break;
    case ZipArchive::Problem::OutOfProportion:
        error.problem = FileProblem::ArchiveOutOfProportion;
        break;
    case ZipArchive::Problem::Unavailable:
        error.problem = FileProblem::MissingLibrary;
        error.text = ZipArchive::library();
        break;
    }
    return error;
}

void RowCollector::startRow(int row) { current_ = { row, {} }; }

void RowCollector::addCell(int column, const FileCell& cell, int repeat)
{
    const int first = static_cast<int>(current_.cells.size()) + 1;
    if (column < first || repeat < 1)
        return;
    if (column > kWidestRow) {
        // Far to the right: the row keeps one cell for it, so that it is no system's row.
        if (first <= kWidestRow + 1)
            current_.cells.resize(kWidestRow, FileCell {});
        if (current_.cells.size() == static_cast<std::size_t>(kWidestRow))
            current_.cells.push_back(cell);
        return;
    }
    current_.cells.resize(static_cast<std::size_t>(column - 1), FileCell {});
    const int last = std::min(column + repeat - 1, kWidestRow);
    current_.cells.insert(current_.cells.end(), static_cast<std::size_t>(last - column + 1), cell);
}

bool RowCollector::endRow(int repeat)
{
    if (current_.cells.empty())
        return true;
    for (int copy = 0; copy < repeat && static_cast<int>(rows.size()) < kMostRows; ++copy) {
        rows.push_back(current_);
        ++current_.line;
    }
    return static_cast<int>(rows.size()) < kMostRows;
}

PartReader::PartReader(const std::string& bytes)
    : xml(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())))
{
}

bool PartReader::next()
{
    if (faulty_ || xml.atEnd())
        return false;
    if (xml.readNext() == QXmlStreamReader::DTD)
        faulty_ = true;
    return !failed() && !xml.atEnd();
}

QString PartReader::elementText() { return xml.readElementText(QXmlStreamReader::IncludeChildElements); }

} // namespace cramer
