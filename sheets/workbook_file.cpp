// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/workbook_file.h"

#include "sheets/zip_archive.h"

namespace cramer {
namespace {

std::string escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

constexpr const char* kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

std::vector<ZipMember> odsMembers(const std::vector<WorkbookSheet>& sheets)
{
    std::string content = std::string(kXmlHead)
        + "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
          "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
          "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.2\">"
          "<office:body><office:spreadsheet>";
    for (const WorkbookSheet& sheet : sheets) {
        content += "<table:table table:name=\"" + escaped(sheet.name) + "\">";
        for (const auto& row : sheet.rows) {
            content += "<table:table-row>";
            for (const WorkbookCell& cell : row) {
                if (cell.text.empty())
                    content += "<table:table-cell/>";
                else if (cell.number)
                    content += "<table:table-cell office:value-type=\"float\" office:value=\"" + cell.text
                        + "\"><text:p>" + cell.text + "</text:p></table:table-cell>";
                else
                    content += "<table:table-cell office:value-type=\"string\"><text:p>" + escaped(cell.text)
                        + "</text:p></table:table-cell>";
            }
            content += "</table:table-row>";
        }
        content += "</table:table>";
    }
    content += "</office:spreadsheet></office:body></office:document-content>\n";
    const std::string manifest = std::string(kXmlHead)
        + "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
          "manifest:version=\"1.2\">"
          "<manifest:file-entry manifest:full-path=\"/\" "
          "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
          "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
          "</manifest:manifest>\n";
    return { { "mimetype", "application/vnd.oasis.opendocument.spreadsheet", true },
        { "content.xml", content }, { "META-INF/manifest.xml", manifest } };
}

// "A", "B", … "Z", "AA": a column's letters.
std::string columnName(std::size_t column)
{
    std::string name;
    for (++column; column > 0; column = (column - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
    return name;
}

std::vector<ZipMember> xlsxMembers(const std::vector<WorkbookSheet>& sheets)
{
    std::string types = std::string(kXmlHead)
        + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
          "<Default Extension=\"rels\" "
          "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
          "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
          "<Override PartName=\"/xl/workbook.xml\" "
          "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
    std::string workbook = std::string(kXmlHead)
        + "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>";
    std::string relations = std::string(kXmlHead)
        + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    std::vector<ZipMember> members;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        const std::string part = "worksheets/sheet" + number + ".xml";
        types += "<Override PartName=\"/xl/" + part
            + "\" "
              "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
        workbook += "<sheet name=\"" + escaped(sheets[i].name) + "\" sheetId=\"" + number + "\" r:id=\"rId"
            + number + "\"/>";
        relations += "<Relationship Id=\"rId" + number
            + "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
              "Target=\""
            + part + "\"/>";
        std::string sheet = std::string(kXmlHead)
            + "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
        for (std::size_t r = 0; r < sheets[i].rows.size(); ++r) {
            sheet += "<row r=\"" + std::to_string(r + 1) + "\">";
            for (std::size_t c = 0; c < sheets[i].rows[r].size(); ++c) {
                const WorkbookCell& cell = sheets[i].rows[r][c];
                if (cell.text.empty())
                    continue;
                const std::string place = columnName(c) + std::to_string(r + 1);
                if (cell.number)
                    sheet += "<c r=\"" + place + "\"><v>" + cell.text + "</v></c>";
                else
                    sheet += "<c r=\"" + place + "\" t=\"inlineStr\"><is><t>" + escaped(cell.text)
                        + "</t></is></c>";
            }
            sheet += "</row>";
        }
        members.push_back({ "xl/" + part, sheet + "</sheetData></worksheet>\n" });
    }
    members.insert(members.begin(),
        { { "[Content_Types].xml", types + "</Types>\n" },
            { "_rels/.rels",
                std::string(kXmlHead)
                    + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                      "<Relationship Id=\"rId1\" "
                      "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                      "officeDocument\" "
                      "Target=\"xl/workbook.xml\"/></Relationships>\n" },
            { "xl/workbook.xml", workbook + "</sheets></workbook>\n" },
            { "xl/_rels/workbook.xml.rels", relations + "</Relationships>\n" } });
    return members;
}

} // namespace

std::string workbookBytes(const std::vector<WorkbookSheet>& sheets, WorkbookKind kind)
{
    return packedZip(kind == WorkbookKind::Ods ? odsMembers(sheets) : xlsxMembers(sheets));
}

} // namespace cramer
