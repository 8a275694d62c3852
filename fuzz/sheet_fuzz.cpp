// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary bytes as a file of any kind the program opens: as they
// are, or as the sheet of an ODS or XLSX workbook, stored in a ZIP archive
// made here so that the XML readers see every input. Reading must end in a
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
    = R"(<workbook xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="S" r:id="a"/></sheets></workbook>)";
constexpr const char* kRelationships
    = R"(<Relationships><Relationship Id="a" Target="worksheets/sheet1.xml"/><Relationship Id="b" Type="x/sharedStrings" Target="sharedStrings.xml"/></Relationships>)";
constexpr const char* kStrings = R"(<sst><si><t>x1</t></si><si><t>2,5</t></si></sst>)";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const NumberLocale& locale = kLocales[data[0] % kLocales.size()];
    const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string bytes;
    switch (data[0] / kLocales.size() % 3) {
    case 0:
        bytes = content;
        break;
    case 1:
        bytes = archive("content.xml", content, {});
        break;
    default:
        bytes = archive("xl/worksheets/sheet1.xml", content,
            { { "xl/workbook.xml", kWorkbook }, { "xl/_rels/workbook.xml.rels", kRelationships },
                { "xl/sharedStrings.xml", kStrings } });
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
