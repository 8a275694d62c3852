// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the file fuzzers check of every read: the locales they read under,
// and that a read ends in a system of the right shape or in an error.

#include "sheets/system_file.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace cramer::fuzzing {

inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

// A "." locale grouping with commas, a Bulgarian one, and a decimal comma
// grouping with points.
inline const std::array<NumberLocale, 3> kLocales { NumberLocale { ".", "," }, NumberLocale { ",", "\u00A0" },
    NumberLocale { ",", "." } };

// The system `read` holds, or nullptr after an error.
inline const TypedSystem* checkedSystem(const ReadSystem& read)
{
    require(read.system.has_value() != static_cast<bool>(read.error), "neither a system nor an error");
    if (!read.system)
        return nullptr;
    const TypedSystem& system = *read.system;
    require(system.n >= 2 && system.n <= 9
            && system.texts.size() == static_cast<std::size_t>(system.n * (system.n + 1)),
        "a system of the wrong shape");
    return &system;
}

} // namespace cramer::fuzzing
