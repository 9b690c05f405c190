// SPDX-License-Identifier: GPL-3.0-or-later
// The table conversion against the platform's iconv, exhaustively: every
// code point one way, every byte and byte pair the other, with 0 differences.

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "core/cp932_table.h"
#include "core/sjis.h"

namespace talvoren::sjis {
namespace {

std::string utf8Of(char32_t c) {
    if (c < 0x80) return {char(c)};
    if (c < 0x800) return {char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
    if (c < 0x10000) return {char(0xE0 | c >> 12), char(0x80 | (c >> 6 & 0x3F)), char(0x80 | (c & 0x3F))};
    return {char(0xF0 | c >> 18), char(0x80 | (c >> 12 & 0x3F)), char(0x80 | (c >> 6 & 0x3F)), char(0x80 | (c & 0x3F))};
}

// Counts the inputs on which the two conversions differ and names the first.
struct Differences {
    int count = 0;
    std::string first;
    void compare(const std::string& input, const std::optional<std::string>& platform,
                 const std::optional<std::string>& table, unsigned code) {
        if (platform == table) return;
        if (count++ == 0) {
            std::ostringstream name;
            name << std::hex << "0x" << code << " (" << input.size() << " bytes): "
                 << (platform && table ? "converted to different bytes"
                                       : platform ? "the table refuses it" : "only the table converts it");
            first = name.str();
        }
    }
};

class Cp932Table : public testing::Test {
protected:
    void SetUp() override {
        if (!platform::hasCp932()) GTEST_SKIP() << "this platform's iconv has no CP932 to compare with";
    }
};

TEST_F(Cp932Table, EncodesEveryCodePointAsThePlatform) {
    Differences differences;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const std::string text = utf8Of(c);
        differences.compare(text, platform::toCp932(text), table::toCp932(text), c);
    }
    EXPECT_EQ(differences.count, 0) << "first: " << differences.first;
}

TEST_F(Cp932Table, DecodesEveryByteAndBytePairAsThePlatform) {
    Differences differences;
    for (unsigned code = 0; code < 0x10000; ++code) {
        const std::string pair{char(code >> 8), char(code & 0xFF)};
        differences.compare(pair, platform::fromCp932(pair), table::fromCp932(pair), code);
        if (code < 0x100) {
            const std::string single(1, char(code));
            differences.compare(single, platform::fromCp932(single), table::fromCp932(single), code);
        }
    }
    EXPECT_EQ(differences.count, 0) << "first: " << differences.first;
}

// Inputs whose outcome both conversions must share, whatever the platform.
struct Case {
    const char* name;
    std::string utf8;
    std::optional<std::string> cp932;
};

class Cp932Refusals : public testing::TestWithParam<Case> {};

TEST_P(Cp932Refusals, TableAndProgramAgree) {
    const Case& c = GetParam();
    EXPECT_EQ(table::toCp932(c.utf8), c.cp932);
    EXPECT_EQ(toCp932(c.utf8), c.cp932);
    EXPECT_EQ(table::isUtf8(c.utf8), isUtf8(c.utf8));
}

INSTANTIATE_TEST_SUITE_P(
    Sjis, Cp932Refusals,
    testing::Values(Case{"NecRowAndBackslash", "\xE2\x91\xA0\\x", std::string("\x87\x40\x5Cx")},
                    Case{"TagCharacterIsNotDropped", "x\xF3\xA0\x81\x81", std::nullopt},
                    Case{"EmojiIsNotReplaced", "x<\xF0\x9F\x98\x80", std::nullopt},
                    Case{"OverlongSlash", "\xC0\xAF", std::nullopt},
                    Case{"EncodedSurrogate", "\xED\xA0\x80", std::nullopt},
                    Case{"PastLastCodePoint", "\xF4\x90\x80\x80", std::nullopt},
                    Case{"TruncatedCharacter", "x\xE3\x81", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cp932TableDecoding, RefusesATruncatedOrBrokenPair) {
    EXPECT_EQ(table::fromCp932("x\x82"), std::nullopt);
    EXPECT_EQ(table::fromCp932("\x82\x20"), std::nullopt);
    EXPECT_EQ(table::fromCp932("\x82\xA0\x5C"), std::optional<std::string>("\xE3\x81\x82\\"));
}

}  // namespace
}  // namespace talvoren::sjis
