// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary bytes as a file of any kind the program opens: as they
// are, or as one part of an ODS or XLSX workbook (a sheet, the styles that
// make numbers dates, the workbook's list of sheets, hidden and shown),
// stored in a ZIP archive made here so that the XML readers see every input. Reading must end in a
// system of the right shape or an error, never a crash or a hang, and a
// system it accepts reads back from the program's own CSV.

#include "file_checks.h"
#include "sheets/spreadsheet_file.h"

#include <zip.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace cramer;
using namespace cramer::fuzzing;

// An archive of one part holding `content` beside `others`, stored unpacked.
std::string archive(const char* name, std::string_view content,
    std::initializer_list<std::pair<const char*, const char*>> others)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* zip = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    require(zip != nullptr, "no archive made");
    auto add = [zip](const char* part, std::string_view bytes) {
        zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
        const zip_int64_t index = zip_file_add(zip, part, source, 0);
        zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    };
    add(name, content);
    for (const auto& [part, bytes] : others)
        add(part, bytes);
    require(zip_close(zip) == 0, "the archive was not written");
    std::string bytes;
    zip_source_open(buffer);
    zip_source_seek(buffer, 0, SEEK_END);
    bytes.resize(static_cast<std::size_t>(zip_source_tell(buffer)));
    zip_source_seek(buffer, 0, SEEK_SET);
    zip_source_read(buffer, bytes.data(), bytes.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
}

constexpr const char* kWorkbook
    = R"(<workbook xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><bookViews><workbookView activeTab="0"/></bookViews><sheets><sheet name="S" r:id="a"/><sheet name="T" r:id="c"/><sheet name="H" state="hidden" r:id="d"/></sheets></workbook>)";
constexpr const char* kRelationships
    = R"(<Relationships><Relationship Id="a" Target="worksheets/sheet1.xml"/><Relationship Id="c" Target="worksheets/sheet2.xml"/><Relationship Id="d" Target="worksheets/sheet3.xml"/><Relationship Id="b" Type="x/sharedStrings" Target="sharedStrings.xml"/><Relationship Id="e" Type="x/styles" Target="styles.xml"/></Relationships>)";
constexpr const char* kStrings = R"(<sst><si><t>x1</t></si><si><t>2,5</t></si></sst>)";
constexpr const char* kStyles
    = R"(<styleSheet><numFmts><numFmt numFmtId="164" formatCode="dd\.mm\.yyyy"/><numFmt numFmtId="165" formatCode="[h]:mm"/></numFmts><cellXfs><xf numFmtId="0"/><xf numFmtId="14"/><xf numFmtId="164"/><xf numFmtId="165"/></cellXfs></styleSheet>)";
// A sheet of every kind of cell: styled numbers, a boolean, an error, a
// formula without its value, a hidden row and column.
constexpr const char* kSheet
    = R"(<worksheet><cols><col min="2" max="2" hidden="1"/></cols><sheetData><row r="1"><c r="A1"><v>1</v></c><c r="B1" s="1"><v>45366</v></c><c r="C1" s="3"><v>0.5</v></c><c r="D1"><v>2</v></c></row><row r="2" hidden="1"><c r="A2" t="b"><v>1</v></c></row><row r="3"><c r="A3" t="e"><v>#DIV/0!</v></c><c r="C3" s="2"><v>3</v></c><c r="D3"><f>A1</f></c></row><row r="4"><c r="A4" t="s"><v>1</v></c><c r="C4"><v>4</v></c><c r="D4"><v>5</v></c></row></sheetData></worksheet>)";
constexpr const char* kSettings
    = R"(<office:document-settings xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:config="urn:oasis:names:tc:opendocument:xmlns:config:1.0"><office:settings><config:config-item-set config:name="ooo:view-settings"><config:config-item-map-indexed config:name="Views"><config:config-item-map-entry><config:config-item config:name="ActiveTable" config:type="string">T</config:config-item></config:config-item-map-entry></config:config-item-map-indexed></config:config-item-set></office:settings></office:document-settings>)";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const NumberLocale& locale = kLocales[data[0] % kLocales.size()];
    const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string bytes;
    const std::initializer_list<std::pair<const char*, const char*>> workbook {
        { "xl/workbook.xml", kWorkbook }, { "xl/_rels/workbook.xml.rels", kRelationships },
        { "xl/sharedStrings.xml", kStrings }, { "xl/styles.xml", kStyles },
        { "xl/worksheets/sheet2.xml", kSheet }, { "xl/worksheets/sheet3.xml", kSheet }
    };
    switch (data[0] / kLocales.size() % 5) {
    case 0:
        bytes = content;
        break;
    case 1:
        bytes = archive("content.xml", content, { { "settings.xml", kSettings } });
        break;
    case 2:
        bytes = archive("xl/worksheets/sheet1.xml", content, workbook);
        break;
    case 3: // the styles that tell dates and times from numbers
        bytes = archive("xl/styles.xml", content,
            { { "xl/workbook.xml", kWorkbook }, { "xl/_rels/workbook.xml.rels", kRelationships },
                { "xl/sharedStrings.xml", kStrings }, { "xl/worksheets/sheet1.xml", kSheet },
                { "xl/worksheets/sheet2.xml", kSheet }, { "xl/worksheets/sheet3.xml", kSheet } });
        break;
    default: // which sheets there are, which is hidden and which shown
        bytes = archive("xl/workbook.xml", content,
            { { "xl/_rels/workbook.xml.rels", kRelationships }, { "xl/sharedStrings.xml", kStrings },
                { "xl/styles.xml", kStyles }, { "xl/worksheets/sheet1.xml", kSheet },
                { "xl/worksheets/sheet2.xml", kSheet }, { "xl/worksheets/sheet3.xml", kSheet } });
        break;
    }
    const ReadSystem read = readSystemBytes(bytes, locale);
    const TypedSystem* accepted = checkedSystem(read);
    if (!accepted)
        return 0;
    const TypedSystem& system = *accepted;
    for (const std::string& text : system.texts)
        require(parseSingle(text, locale).ok(), "the grid would not read a number it was given");
    const ReadSystem again = readSystemText(systemAsCsv(system, locale), locale);
    require(again.system && again.system->texts.size() == system.texts.size(),
        "a saved system does not read back");
    return 0;
}
