// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: what each argument list asks for.
#include <gtest/gtest.h>

#include "ui/command_line.h"

namespace talvoren::ui {
namespace {

using Action = CommandLine::Action;

struct Case {
    const char* name;
    std::vector<std::string> args;
    Action action;
    std::string file;
    bool toolkit = false;  // may hold an option of the toolkit's
};

TEST(CommandLine, ArgumentLists) {
    const Case cases[] = {
        {"nothing", {"talvoren"}, Action::run, ""},
        {"a file", {"talvoren", "set.ine"}, Action::run, "set.ine"},
        {"help", {"talvoren", "--help"}, Action::help, ""},
        {"short help", {"talvoren", "-h"}, Action::help, ""},
        {"version", {"talvoren", "--version"}, Action::version, ""},
        {"short version", {"talvoren", "-v"}, Action::version, ""},
        {"help wins over a file", {"talvoren", "set.ine", "--help"}, Action::help, ""},
        {"help wins over an unknown option", {"talvoren", "--bogus", "--version"}, Action::version, ""},
        {"unknown option", {"talvoren", "--bogus"}, Action::usageError, ""},
        {"a toolkit option left in", {"talvoren", "-platform", "xcb"}, Action::usageError, "", true},
        {"two files", {"talvoren", "a.ine", "b.ine"}, Action::usageError, ""},
        {"a file after --", {"talvoren", "--", "--help"}, Action::run, "--help"},
        {"a lone dash is a file name", {"talvoren", "-"}, Action::run, "-"},
        {"class overview", {"talvoren", "--class", "/srv/records"}, Action::run, ""},
        {"class without a folder", {"talvoren", "--class"}, Action::usageError, ""},
        {"a pupil in a records folder", {"talvoren", "--records", "/srv/r", "--pupil", "山田", "set.ine"}, Action::run, "set.ine"},
        {"pupil without a name", {"talvoren", "--pupil"}, Action::usageError, ""},
    };
    for (const Case& c : cases) {
        const CommandLine parsed = parseCommandLine(c.args);
        EXPECT_EQ(parsed.action, c.action) << c.name;
        EXPECT_EQ(parsed.questionSetFile, c.file) << c.name;
        EXPECT_EQ(parsed.error.empty(), c.action != Action::usageError) << c.name;
        EXPECT_EQ(parsed.toolkitOptionSeen, c.toolkit) << c.name;
    }
}

TEST(CommandLine, AnswersNameTheProgram) {
    EXPECT_EQ(versionText("1.2.3").rfind("talvoren 1.2.3\n", 0), 0u);
    EXPECT_NE(helpText("talvoren").find("--version"), std::string::npos);
}

}  // namespace
}  // namespace talvoren::ui
