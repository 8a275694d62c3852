// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary bytes as a file of systems, under three locales, and
// checks what reading must keep: it never crashes, and a file it accepts,
// saved and read again, gives the same numbers exactly, and saving that
// gives the same file again.

#include "file_checks.h"
#include "sheets/system_file.h"
#include "solver/exact.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace cramer;
using namespace cramer::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const NumberLocale& locale = kLocales[data[0] % kLocales.size()];
    const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);
    const ReadSystem read = readSystemText(content, locale);
    const TypedSystem* accepted = checkedSystem(read);
    if (!accepted)
        return 0;
    const TypedSystem& system = *accepted;

    const std::string saved = systemAsCsv(system, locale);
    const ReadSystem again = readSystemText(saved, locale);
    require(again.system.has_value(), "a saved system does not read back");
    for (std::size_t i = 0; i < system.texts.size(); ++i) {
        const ParsedSingle first = parseSingle(system.texts[i], locale);
        const ParsedSingle second = parseSingle(again.system->texts[i], locale);
        require(first.ok() && second.ok(), "an accepted number no longer parses");
        require(std::bit_cast<std::uint32_t>(first.value) == std::bit_cast<std::uint32_t>(second.value),
            "a number changed its single on the way through a file");
        const auto firstDecimal = parseDecimal(system.texts[i], locale);
        const auto secondDecimal = parseDecimal(again.system->texts[i], locale);
        // Exact comparison only where the exponent keeps it cheap.
        if (std::llabs(firstDecimal->exponent) < 400 && firstDecimal->digits.size() < 400)
            require(Rational::fromDecimal(*firstDecimal) == Rational::fromDecimal(*secondDecimal),
                "a number changed its exact value on the way through a file");
    }
    require(systemAsCsv(*again.system, locale) == saved, "saving again gives another file");
    return 0;
}
