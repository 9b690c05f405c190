// SPDX-License-Identifier: GPL-3.0-or-later
// The records dialog and the deletion dialog over a real record file.
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "courseware/records.h"
#include "dialogs_support.h"
#include "ui/frm_kiroku.h"

namespace talvoren::ui {
namespace {

using test::items;

struct RecordsDialogs : ::testing::Test {
    test::DialogSession session;
    test::ScratchDir dir;
    PracticeRecords records{dir.dir(), session.sink, [] { return LocalTime{2026, 12, 7, 9, 5}; }};
    TfrmDelete deletion{records, session.s, session.sink};
    TfrmKiroku kiroku{records, session.s, deletion};

    void SetUp() override {
        ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("単元１", {"x+1<2", "2x<4", "x-3>1"}),
                                                  test::unitLines("単元２", {"-x<3", "3x>=6"})})));
    }
};

TEST_F(RecordsDialogs, ListingShowsDateAndOneStarAfterRepeatedSolves) {
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(records.recordSolved(session.s, 1, 2));
    kiroku.show();
    EXPECT_EQ(items(*kiroku.lstTitle),
              (QStringList{QStringLiteral("単元１"), QStringLiteral("2026年12月07日09:05"), QStringLiteral("  1"),
                           QStringLiteral("  2★"), QStringLiteral("  3"), QStringLiteral("単元２"),
                           QStringLiteral("  1"), QStringLiteral("  2")}));
}

TEST_F(RecordsDialogs, DeletionOffersOnlyUnitsWithRecordsAndAsksForAChoice) {
    ASSERT_TRUE(records.recordSolved(session.s, 2, 1));
    deletion.show();
    EXPECT_EQ(items(*deletion.lstTitle), QStringList{QStringLiteral("単元２")});
    deletion.btnDeleteOne->click();
    EXPECT_EQ(session.sink.shown, (std::vector<std::string>{"消去する単元を選んでください"}));
    EXPECT_FALSE(deletion.recordsDeleted());
    deletion.btnClose->click();
    EXPECT_EQ(deletion.result(), QDialog::Rejected);
}

TEST_F(RecordsDialogs, ErasingRedrawsTheListingWithoutTheUnitsRecords) {
    ASSERT_TRUE(records.recordSolved(session.s, 1, 1));
    ASSERT_TRUE(records.recordSolved(session.s, 2, 2));
    kiroku.show();
    ASSERT_TRUE(items(*kiroku.lstTitle).contains(QStringLiteral("  1★")));

    session.sink.answers = {Answer::yes};
    test::whileModal<TfrmDelete>(
        [](TfrmDelete& d) {
            d.lstTitle->setCurrentRow(0);  // 単元１
            d.btnDeleteOne->click();
            EXPECT_EQ(items(*d.lstTitle), QStringList{QStringLiteral("単元２")});
            d.btnClose->click();
        },
        [&] { kiroku.btnDelete->click(); });

    EXPECT_EQ(items(*kiroku.lstTitle),
              (QStringList{QStringLiteral("単元１"), QStringLiteral("  1"), QStringLiteral("  2"),
                           QStringLiteral("  3"), QStringLiteral("単元２"), QStringLiteral("2026年12月07日09:05"),
                           QStringLiteral("  1"), QStringLiteral("  2★")}));
    EXPECT_EQ(session.sink.shown, std::vector<std::string>{"[確認] 「単元１」の記録を消去しますか？"});
}

// The list must not hand the erased entry's selection on to its neighbour:
// a second press would erase a unit nobody chose.
TEST_F(RecordsDialogs, AfterAnEraseNothingIsSelected) {
    ASSERT_TRUE(records.recordSolved(session.s, 1, 1));
    ASSERT_TRUE(records.recordSolved(session.s, 2, 2));
    session.sink.answers = {Answer::yes, Answer::yes};
    deletion.show();
    deletion.lstTitle->setCurrentRow(0);
    deletion.btnDeleteOne->click();
    EXPECT_TRUE(deletion.lstTitle->selectedItems().isEmpty());
    deletion.btnDeleteOne->click();
    EXPECT_EQ(session.sink.shown, (std::vector<std::string>{"[確認] 「単元１」の記録を消去しますか？",
                                                             "消去する単元を選んでください"}));
    EXPECT_EQ(items(*deletion.lstTitle), QStringList{QStringLiteral("単元２")});
    deletion.reject();
}

TEST_F(RecordsDialogs, NoToTheQuestionErasesNothing) {
    ASSERT_TRUE(records.recordSolved(session.s, 1, 1));
    session.sink.answers = {Answer::no};
    deletion.show();
    deletion.lstTitle->setCurrentRow(0);
    deletion.btnDeleteOne->click();
    EXPECT_EQ(items(*deletion.lstTitle), QStringList{QStringLiteral("単元１")});
    EXPECT_FALSE(deletion.recordsDeleted());
    EXPECT_EQ(records.unitsWithRecords(session.s), std::vector<std::string>{"単元１"});
    deletion.reject();
    EXPECT_EQ(deletion.result(), QDialog::Rejected);
}

TEST_F(RecordsDialogs, ClosingTheDeletionWithoutErasingLeavesTheListingAsItWas) {
    ASSERT_TRUE(records.recordSolved(session.s, 1, 1));
    kiroku.show();
    const QStringList before = items(*kiroku.lstTitle);
    ASSERT_TRUE(records.recordSolved(session.s, 1, 3));  // the file changes meanwhile

    test::whileModal<TfrmDelete>([](TfrmDelete& d) { d.reject(); }, [&] { kiroku.btnDelete->click(); });
    EXPECT_EQ(items(*kiroku.lstTitle), before);
}

TEST_F(RecordsDialogs, TheCloseBoxAfterAnEraseStillRedraws) {
    ASSERT_TRUE(records.recordSolved(session.s, 1, 1));
    kiroku.show();
    session.sink.answers = {Answer::yes};
    test::whileModal<TfrmDelete>(
        [](TfrmDelete& d) {
            d.lstTitle->setCurrentRow(0);
            d.btnDeleteOne->click();
            d.reject();  // what the close box does
        },
        [&] { kiroku.btnDelete->click(); });
    EXPECT_FALSE(items(*kiroku.lstTitle).contains(QStringLiteral("  1★")));
}

}  // namespace
}  // namespace talvoren::ui
