// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>

#include "courseware/class_folder.h"
#include "courseware/class_log.h"
#include "courseware/class_overview.h"
#include "courseware/keyed_id.h"
#include "support.h"

namespace talvoren {
namespace {

ClassEvent sample() {
    ClassEvent e;
    e.time = 1765000000;
    e.pupil = "山田";
    e.set = "Question.ine";
    e.unit = 2;
    e.question = 3;
    e.questionText = "3(x-1)≦2x";
    e.kind = EventKind::verdict;
    e.code = "mistake:noflip";
    e.text = "a\tb\\c\nd";  // every escaped character
    e.sinceLast = 7;
    return e;
}

TEST(ClassLog, LineReadsBackAsTheSameEvent) {
    const std::string line = classLogLine(sample());
    ASSERT_EQ(line.back(), '\n');
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    const auto back = parseClassLogLine(std::string_view(line).substr(0, line.size() - 1));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->text, sample().text);
    EXPECT_EQ(back->questionText, sample().questionText);
    EXPECT_EQ(back->kind, EventKind::verdict);
    EXPECT_EQ(back->sinceLast, 7);
}

TEST(ClassLog, LinesThatAreNotWholeAreRefused) {
    const std::string whole = classLogLine(sample());
    const std::string body = whole.substr(0, whole.size() - 1);
    const struct {
        const char* name;
        std::string line;
    } cases[] = {
        {"torn before the end mark", body.substr(0, body.size() - 2)},
        {"torn in a number", body.substr(0, 8)},
        {"another version", "T9" + body.substr(2)},
        {"unknown kind", std::string(body).replace(body.find("verdict"), 7, "verdictx")},
        {"bad escape", std::string(body).replace(body.find("\\t"), 2, "\\q")},
        {"empty", ""},
    };
    for (const auto& c : cases) EXPECT_FALSE(parseClassLogLine(c.line)) << c.name;
}

TEST(ClassLog, PupilNames) {
    const struct {
        const char* name;
        bool ok;
    } cases[] = {{"山田花子", true}, {"12番", true}, {"", false}, {"a/b", false}, {"..", false},
                 {"a:b", false},     {" x", false},  {"x\ty", false}};
    for (const auto& c : cases) EXPECT_EQ(!pupilNameProblem(c.name), c.ok) << c.name;
}

TEST(ClassLog, TornLastLineLosesOnlyItself) {
    test::ScratchDir dir;
    std::string error;
    ClassEvent e = sample();
    ASSERT_TRUE(appendClassEvent(dir.dir(), e, error)) << error;
    const std::string whole = classLogLine(e);
    std::ofstream(pupilLogPath(dir.dir(), "山田"), std::ios::app) << whole.substr(0, 20);  // the power cut
    ClassFolder reading(dir.dir());
    reading.refresh();
    EXPECT_EQ(reading.eventCount(), 1);
    EXPECT_EQ(reading.skippedCount(), 1);
    ASSERT_EQ(reading.warnings().size(), 1u);

    e.time += 5;
    ASSERT_TRUE(appendClassEvent(dir.dir(), e, error)) << error;  // the next lesson
    reading.refresh();
    EXPECT_EQ(reading.eventCount(), 2);
    EXPECT_EQ(reading.skippedCount(), 1);
    EXPECT_EQ(reading.logs().at("山田").events.back().time, e.time);
}

TEST(ClassLog, AFolderThatCannotBeWrittenIsReported) {
    std::string error;
    EXPECT_FALSE(appendClassEvent("/dev/null/records", sample(), error));
    EXPECT_FALSE(error.empty());
}

ClassEvent at(std::int64_t time, EventKind kind, std::string code = "") {
    ClassEvent e;
    e.time = time;
    e.kind = kind;
    e.code = std::move(code);
    return e;
}

TEST(ClassOverview, Flags) {
    using K = EventKind;
    const auto hints3 = [](std::int64_t t) {
        return std::vector<ClassEvent>{at(t, K::start), at(t, K::hint, "3"), at(t, K::solved)};
    };
    const auto mastery = [](std::int64_t t, const char* skill, const char* value) {
        ClassEvent e = at(t, K::mastery, skill);
        e.text = value;
        return e;
    };
    std::vector<ClassEvent> threeHinted;
    for (int q = 0; q < 3; ++q)
        for (ClassEvent& e : hints3(100 + q)) threeHinted.push_back(e);
    const struct {
        const char* name;
        std::vector<ClassEvent> events;
        std::int64_t now;
        std::vector<PupilFlag> flags;
    } cases[] = {
        {"working", {at(0, K::start), at(100, K::step)}, 130, {}},
        {"stuck: busy, no step forward", {at(0, K::start), at(60, K::detour), at(110, K::refused)}, 130, {PupilFlag::stuck}},
        {"solved is not stuck", {at(0, K::start), at(100, K::solved)}, 130, {}},
        {"idle", {at(0, K::start), at(10, K::step)}, 200, {PupilFlag::idle}},
        {"gone home", {at(0, K::start)}, 5000, {}},
        {"hints to the last level three questions running", threeHinted, 110, {PupilFlag::hints}},
        {"same mistake three times",
         {at(0, K::start), at(1, K::verdict, "mistake:noflip"), at(2, K::verdict, "mistake:noflip"),
          at(3, K::verdict, "mistake:noflip")},
         10,
         {PupilFlag::repeat}},
        {"three different mistakes",
         {at(0, K::start), at(1, K::verdict, "mistake:noflip"), at(2, K::verdict, "mistake:flip"),
          at(3, K::verdict, "mistake:noflip")},
         10,
         {}},
        {"a skill not mastered after ten questions, also after the lesson",
         {at(0, K::start), at(5, K::solved), mastery(5, "分数", "0.6000 10")}, 9000, {PupilFlag::mastery}},
        {"nine questions are not yet many", {mastery(5, "分数", "0.6000 9")}, 10, {}},
        {"mastered at last", {mastery(5, "分数", "0.6000 10"), mastery(9, "分数", "0.9600 11")}, 10, {}},
        {"an unknown skill or value is passed over", {mastery(5, "割合", "0.1000 20"), mastery(6, "分数", "x 20")}, 10, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(summarisePupil(c.events).flagsAt(c.now), c.flags) << c.name;
}

}  // namespace
}  // namespace talvoren

namespace talvoren {
namespace {

TEST(KeyedId, KnownDigests) {
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha256Hex(std::string(1000, 'a')).substr(0, 16), "41edece42d63e8d9");
    EXPECT_EQ(hmacSha256Hex("Jefe", "what do ya want for nothing?"),
              "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
}

TEST(KeyedId, FolderKeyIsMadeOnceAndKept) {
    test::ScratchDir dir;
    std::string error;
    const auto first = folderExportKey(dir.dir(), error);
    ASSERT_TRUE(first) << error;
    EXPECT_EQ(folderExportKey(dir.dir(), error), first);
    EXPECT_NE(pupilExportId(*first, "山田"), pupilExportId(*first, "田中"));
    EXPECT_NE(pupilExportId(*first, "山田"), pupilExportId(std::string(64, '0'), "山田"));
}

}  // namespace
}  // namespace talvoren
