// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the command line before the window system is opened.

#include "command_line.h"

#include <gtest/gtest.h>

namespace cramer {
namespace {

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    const char* styleOverride;
    bool informationOnly;
    bool styleChosen;
};

void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

class ReadsCommandLine : public testing::TestWithParam<CommandLineCase> { };

TEST_P(ReadsCommandLine, ForHelpVersionAndStyle)
{
    const CommandLineCase& c = GetParam();
    const QStringList arguments = QStringList { QStringLiteral("cramer") } + c.arguments;
    EXPECT_EQ(asksForInformationOnly(arguments), c.informationOnly);
    EXPECT_EQ(userChoseStyle(arguments, QString::fromLatin1(c.styleOverride)), c.styleChosen);
}

INSTANTIATE_TEST_SUITE_P(Arguments, ReadsCommandLine,
    testing::Values(CommandLineCase { "Nothing", {}, "", false, false },
        CommandLineCase { "Help", { "--help" }, "", true, false },
        CommandLineCase { "QuestionMark", { "-?" }, "", true, false },
        CommandLineCase { "VersionAfterQtOptions", { "-platform", "offscreen", "-v" }, "", true, false },
        CommandLineCase { "StyleWithValue", { "-style", "windows" }, "", false, true },
        CommandLineCase { "LongStyleJoined", { "--style=windows" }, "", false, true },
        CommandLineCase { "StyleFromEnvironment", {}, "windows", false, true },
        CommandLineCase { "StylishWordIsNoStyle", { "-stylesheet=a.qss" }, "", false, false }),
    [](const testing::TestParamInfo<CommandLineCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace cramer
