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

void RowCollector::hideColumns(int first, int count)
{
    for (int column = std::max(first, 1); column <= kWidestRow && column - first < count; ++column)
        hidden_[static_cast<std::size_t>(column)] = true;
}

void RowCollector::startRow(int row)
{
    current_ = { row, {} };
    lastColumn_ = 0;
}

void RowCollector::addCell(int column, const FileCell& cell, int repeat)
{
    if (column <= lastColumn_ || repeat < 1)
        return;
    auto add = [this](int at, const FileCell& content) {
        // The visible empty cells before it.
        for (int empty = lastColumn_ + 1; empty < at; ++empty) {
            if (!isHidden(empty))
                current_.cells.push_back({ {}, FileCell::Kind::Typed, empty });
        }
        FileCell placed = content;
        placed.column = at;
        current_.cells.push_back(std::move(placed));
        lastColumn_ = at;
    };
    const long long end = static_cast<long long>(column) + repeat; // past the last copy
    for (int at = column; at < end && at <= kWidestRow; ++at) {
        if (!isHidden(at))
            add(at, cell);
    }
    // Far to the right: the row keeps one cell for it, so that it is no system's row.
    if (end > kWidestRow + 1 && lastColumn_ <= kWidestRow)
        add(std::max(column, kWidestRow + 1), cell);
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
