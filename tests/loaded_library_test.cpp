// SPDX-License-Identifier: GPL-3.0-or-later

// A library loaded on first use: its functions found by name, and a missing
// library or function a MissingLibrary that names the library.

#include "solver/loaded_library.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cramer {
namespace {

TEST(LoadedLibrary, FindsAFunctionByName)
{
    const LoadedLibrary maths("libm.so.6");
    double (*cosine)(double) = nullptr;
    maths.resolve(cosine, "cos");
    EXPECT_EQ(cosine(0.0), 1.0);
}

struct MissingCase {
    const char* name;
    const char* soname;
    const char* function; // nothing: the library itself is missing
};

class MissingFromLibrary : public testing::TestWithParam<MissingCase> { };

TEST_P(MissingFromLibrary, IsNamedByItsSoname)
{
    const MissingCase& c = GetParam();
    try {
        const LoadedLibrary library(c.soname);
        void (*function)() = nullptr;
        library.resolve(function, c.function);
        FAIL() << "nothing thrown";
    } catch (const MissingLibrary& missing) {
        EXPECT_EQ(missing.soname(), c.soname);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingFromLibrary,
    testing::Values(MissingCase { "NoSuchLibrary", "libcramer-nowhere.so.1", "f" },
        MissingCase { "NoSuchFunction", "libm.so.6", "cramer_no_such_function" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace cramer
