// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/ini_file.h"

#include <gtest/gtest.h>

#include "courseware/records.h"
#include "support.h"

namespace talvoren {
namespace {

IniFile profile() {
    return IniFile({"; kept as it is", "[単元１]", "1 = 3 ", "DATE=2026年12月07日09:05", "",
                    "[Unit]", "Key=Value", "[[基礎]問題]", "1=2"});
}

struct LookupCase {
    const char* name;
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

class IniLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(IniLookup, FindsValuesAsTheProfileFunctionsDo) {
    EXPECT_EQ(profile().value(GetParam().section, GetParam().key), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, IniLookup,
    ::testing::Values(LookupCase{"value_trimmed", "単元１", "1", "3"},
                      LookupCase{"date", "単元１", "DATE", "2026年12月07日09:05"},
                      LookupCase{"key_case", "単元１", "date", "2026年12月07日09:05"},
                      LookupCase{"section_case", "UNIT", "key", "Value"},
                      LookupCase{"section_trimmed", " Unit ", "Key", "Value"},
                      LookupCase{"bracket_in_name", "[基礎]問題", "1", "2"},
                      LookupCase{"full_width_not_folded", "単元1", "1", std::nullopt},
                      LookupCase{"missing_key", "単元１", "2", std::nullopt},
                      LookupCase{"missing_section", "単元２", "1", std::nullopt},
                      LookupCase{"key_of_other_section", "Unit", "DATE", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFile, WritesIntoItsSectionOrANewOneAtTheEnd) {
    IniFile ini = profile();
    ini.writeString("単元１", "2", "1");       // after the section's last entry, not after the blank
    ini.writeString("unit", "KEY", "changed");  // replaced in place
    ini.writeString("新しい単元", "1", "1");
    EXPECT_EQ(ini.lines(),
              (std::vector<std::string>{"; kept as it is", "[単元１]", "1 = 3 ",
                                        "DATE=2026年12月07日09:05", "2=1", "", "[Unit]",
                                        "KEY=changed", "[[基礎]問題]", "1=2", "[新しい単元]",
                                        "1=1"}));
}

TEST(IniFile, ErasesAWholeSection) {
    IniFile ini = profile();
    ini.eraseSection("unit");
    EXPECT_FALSE(ini.hasSection("Unit"));
    EXPECT_EQ(ini.value("単元１", "1"), "3");
    EXPECT_EQ(ini.value("[基礎]問題", "1"), "2");
    ini.eraseSection("no such section");
    EXPECT_EQ(ini.lines().size(), 7u);
}

TEST(IniFile, IsCreatedOnTheFirstSaveInCodePage932) {
    test::ScratchDir dir;
    const std::string path = dir.file("kessavir.rec");
    ReadStatus status;
    IniFile ini = IniFile::load(path, status, recordFileReadLimit);
    EXPECT_EQ(status, ReadStatus::missing);
    ini.writeString("単元１", "2", "1");
    std::string error;
    ASSERT_TRUE(ini.save(path, error));
    EXPECT_EQ(test::readBytes(path), test::cp932("[単元１]\r\n2=1\r\n"));
}

TEST(IniFile, ReadAndWrittenBackIsByteIdentical) {
    test::ScratchDir dir;
    ReadStatus status;
    const IniFile ini = IniFile::load(test::golden("kessavir.rec"), status, recordFileReadLimit);
    ASSERT_EQ(status, ReadStatus::ok);
    EXPECT_EQ(ini.value("単元１", "2"), "1");
    std::string error;
    ASSERT_TRUE(ini.save(dir.file("copy.rec"), error));
    EXPECT_EQ(test::readBytes(dir.file("copy.rec")), test::readBytes(test::golden("kessavir.rec")));
}

TEST(IniFile, RefusesToSaveTextWithoutACodePage932Form) {
    test::ScratchDir dir;
    IniFile ini;
    ini.writeString("絵文字😀", "1", "1");
    std::string error;
    EXPECT_FALSE(ini.save(dir.file("a.rec"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(dir.entries().empty());
}

}  // namespace
}  // namespace talvoren
