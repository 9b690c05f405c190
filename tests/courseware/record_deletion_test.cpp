// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/record_deletion.h"

#include <gtest/gtest.h>

#include <deque>

#include "support.h"

namespace talvoren {
namespace {

class Deletion : public ::testing::Test {
protected:
    Deletion() {
        s = test::setOfUnits({{"基本", 2}, {"かっこ", 2}, {"小数", 2}});
        for (int u : {1, 2}) EXPECT_TRUE(records.recordSolved(s, u, 1));
        deletion.start(s);
    }

    test::ScratchDir dir;
    test::RecordingSink sink;
    CoursewareState s;
    PracticeRecords records{dir.dir(), sink, [] { return LocalTime{2026, 12, 7, 9, 5}; }};
    RecordDeletion deletion{records, sink};
};

struct PressCase {
    const char* name;
    std::string chosen;  // "" for none
    std::deque<Answer> answers;
    std::vector<std::string> shown;
    std::vector<std::string> titlesAfter;  // the entries offered afterwards
    int chosenAfter;
};

class PressingErase : public Deletion, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PressingErase, AsksFirstAndLeavesNothingChosenAfterAnErase) {
    const PressCase& c = GetParam();
    if (!c.chosen.empty()) {
        ASSERT_TRUE(deletion.chooseTitle(c.chosen));
    }
    sink.answers = c.answers;
    const bool erased = deletion.deleteOne();
    EXPECT_EQ(sink.shown, c.shown);
    EXPECT_EQ(deletion.titles(), c.titlesAfter);
    EXPECT_EQ(deletion.chosen(), c.chosenAfter);
    EXPECT_EQ(erased, deletion.recordsDeleted());
    deletion.start(s);  // what the file holds now
    EXPECT_EQ(deletion.titles(), c.titlesAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressingErase,
    ::testing::Values(
        PressCase{"yes_erases", "基本", {Answer::yes}, {"[確認] 「基本」の記録を消去しますか？"}, {"かっこ"}, -1},
        PressCase{"no_erases_nothing", "かっこ", {Answer::no}, {"[確認] 「かっこ」の記録を消去しますか？"},
                  {"基本", "かっこ"}, 1},
        PressCase{"nothing_chosen", "", {Answer::yes}, {"消去する単元を選んでください"}, {"基本", "かっこ"}, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Deletion, ASecondPressAfterAnEraseErasesNothing) {
    ASSERT_TRUE(deletion.chooseTitle("基本"));
    sink.answers = {Answer::yes, Answer::yes};
    EXPECT_TRUE(deletion.deleteOne());
    EXPECT_FALSE(deletion.deleteOne());
    EXPECT_EQ(sink.shown.back(), "消去する単元を選んでください");
    EXPECT_EQ(deletion.titles(), std::vector<std::string>{"かっこ"});
}

TEST_F(Deletion, OnlyUnitsWithRecordsCanBeChosen) {
    EXPECT_FALSE(deletion.chooseTitle("小数"));
    EXPECT_EQ(deletion.chosen(), -1);
    deletion.choose(5);
    EXPECT_EQ(deletion.chosen(), -1);
}

}  // namespace
}  // namespace talvoren
