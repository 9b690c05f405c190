// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's generate: its lines, "none" for skills that cannot go
// together, and the usage status for a wrong command line.

#include <gtest/gtest.h>

#include <sstream>

#include "tools/driver.h"

namespace talvoren::driver {
namespace {

struct GenerateCase {
    const char* name;
    Args args;
    int status;
    std::string transcript;
};

class Generate : public ::testing::TestWithParam<GenerateCase> {};

TEST_P(Generate, PrintsMadeQuestions) {
    std::ostringstream out, err;
    EXPECT_EQ(runDriver(GetParam().args, out, err), GetParam().status);
    EXPECT_EQ(out.str(), GetParam().transcript);
}

INSTANTIATE_TEST_SUITE_P(
    Driver, Generate,
    ::testing::Values(
        GenerateCase{"ThreeFractionQuestions", {"generate", "分数", "2", "3", "11"}, 0,
                   "-x+4/3x<-2 | steps: 2 | skills: 分数\n"
                   "-5+5/6x>=-5 | steps: 2 | skills: 分数\n"
                   "1/2x+2<11/2 | steps: 2 | skills: 分数\n"                   },
        GenerateCase{"SkillsThatCannotGoTogether", {"generate", "解なし,解は無数にある", "1", "5", "1"}, 0, "none\n"},
        GenerateCase{"UnknownSkill", {"generate", "括弧", "1", "5", "1"}, 2, ""},
        GenerateCase{"StepsNotANumber", {"generate", "-", "two", "5", "1"}, 2, ""},
        GenerateCase{"MissingSeed", {"generate", "-", "1", "5"}, 2, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace talvoren::driver
