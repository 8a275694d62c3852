// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The sheets of a workbook, as the two formats' readers give them to the
// one reader of systems: each sheet's rows as the teacher sees them, hidden
// rows and columns left out.

#include "sheets/system_file.h"
#include "sheets/zip_archive.h"

#include <QXmlStreamReader>

#include <optional>

#include <string>
#include <vector>

namespace cramer {

struct SheetRows {
    std::string name;
    std::vector<FileRow> rows;
    FileError error; // this sheet's alone, such as a formula without its value
    bool hidden = false;
};

struct WorkbookSheets {
    std::vector<SheetRows> sheets; // in the workbook's order
    std::optional<std::size_t> active; // the sheet shown when the workbook was saved
    FileError error; // the workbook's as a whole
};

WorkbookSheets readOdsSheets(const ZipArchive& archive);
// A flat OpenDocument spreadsheet (.fods): the same tables in one XML file.
bool isFlatOds(std::string_view bytes);
WorkbookSheets readFlatOdsSheets(const std::string& bytes);
WorkbookSheets readXlsxSheets(const ZipArchive& archive);

// The largest unpacked part a reader takes: the sheet, its strings.
inline constexpr std::size_t kLargestSheetPart = 16 * 1024 * 1024;

FileError archiveError(ZipArchive::Problem problem);

// Rows collected cell by cell. Empty cells are stored only before a cell
// with content; a row is cut after kWidestRow columns and the sheet after
// kMostRows rows with content, far beyond any system, so that a sheet of
// repeated rows or columns costs no more than its text. Hidden columns are
// left out; each cell keeps its column's number.
class RowCollector {
public:
    static constexpr int kWidestRow = 256;
    static constexpr int kMostRows = 1000;

    // Columns from 1.
    void hideColumns(int first, int count);
    void startRow(int row);
    // Columns from 1, left to right; `repeat` copies of the cell.
    void addCell(int column, const FileCell& cell, int repeat = 1);
    // The row `repeat` times; returns false once the sheet is full.
    bool endRow(int repeat = 1);

    std::vector<FileRow> rows;

private:
    bool isHidden(int column) const
    {
        return column <= kWidestRow && hidden_[static_cast<std::size_t>(column)];
    }

    FileRow current_;
    int lastColumn_ = 0; // of the row's last cell
    std::vector<bool> hidden_ = std::vector<bool>(kWidestRow + 1, false);
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
