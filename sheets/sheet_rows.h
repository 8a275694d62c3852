// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rows of a workbook's first sheet, as the two formats' readers give
// them to the one reader of systems.

#include "solver/system_file.h"
#include "solver/zip_archive.h"

#include <QXmlStreamReader>

#include <string>
#include <vector>

namespace cramer {

struct SheetRows {
    std::string name;
    std::vector<FileRow> rows;
    FileError error;
};

SheetRows readOdsSheet(const ZipArchive& archive);
SheetRows readXlsxSheet(const ZipArchive& archive);

// The largest unpacked part a reader takes: the sheet, its strings.
inline constexpr std::size_t kLargestSheetPart = 16 * 1024 * 1024;

FileError archiveError(ZipArchive::Problem problem);

// Rows collected cell by cell. Empty cells are stored only before a cell
// with content; a row is cut after kWidestRow cells and the sheet after
// kMostRows rows with content, far beyond any system, so that a sheet of
// repeated rows or columns costs no more than its text.
class RowCollector {
public:
    static constexpr int kWidestRow = 256;
    static constexpr int kMostRows = 1000;

    void startRow(int row);
    // Columns from 1, left to right; `repeat` copies of the cell.
    void addCell(int column, const FileCell& cell, int repeat = 1);
    // The row `repeat` times; returns false once the sheet is full.
    bool endRow(int repeat = 1);

    std::vector<FileRow> rows;

private:
    FileRow current_;
};

// A part's XML, token by token. A document type is a fault: without one
// there is no entity to expand and nothing outside the file to load.
class PartReader {
public:
    explicit PartReader(const std::string& bytes);
    // The next token; false at the end of the part or at a fault.
    bool next();
    bool failed() const { return faulty_ || xml.hasError(); }
    bool isStart(QStringView name) const { return xml.isStartElement() && xml.name() == name; }
    bool isEnd(QStringView name) const { return xml.isEndElement() && xml.name() == name; }
    // The text of the element just started, with its children's.
    QString elementText();

    QXmlStreamReader xml;

private:
    bool faulty_ = false;
};

} // namespace cramer
