// SPDX-License-Identifier: GPL-3.0-or-later
// The ways into もっと練習: the unit dialog's button and the offer once the
// unit's last question is solved.
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "courseware/practice.h"
#include "dialogs_support.h"
#include "frame_support.h"
#include "ui/control_panel.h"
#include "ui/frm_mondai.h"

namespace talvoren::ui {
namespace {

TEST(PracticeEntry, TheUnitDialogStartsPracticeOnTheChosenUnit) {
    test::DialogSession session;
    // The third unit lacks its ">>": it has no questions to practise from.
    ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("一", {"x+1<2"}),
                                              test::unitLines("二", {"-2x<4", "3x>6"}),
                                              test::unitLines("三", {"x<1"}, false)})));
    TfrmMondai dialog{session.s, session.core, {}};
    int practised = 0;
    dialog.onPractice = [&](int unit) { practised = unit; };

    test::whileModal<TfrmMondai>(
        [](TfrmMondai& d) {
            d.lstTangen->setCurrentRow(2);
            d.btnPractice->click();  // refused: the dialog stays
            d.lstTangen->setCurrentRow(1);
            d.btnPractice->click();
        },
        [&] { EXPECT_FALSE(dialog.showModal()); });
    EXPECT_EQ(session.sink.shown, std::vector<std::string>{noQuestionsInUnitMessage});
    EXPECT_EQ(practised, 2);
    EXPECT_EQ(session.s.currentUnit(), 2);

    practised = 0;
    test::whileModal<TfrmMondai>([](TfrmMondai& d) { d.btnCancel->click(); }, [&] { dialog.showModal(); });
    EXPECT_EQ(practised, 0) << "a later showing starts no practice of its own";
}

void solveXPlus1(TfrmMain& f) {
    ControlPanel& p = *f.pnlMain();
    p.btnShiki[1]->click();
    p.btnHiku->click();
    p.btnDigit[1]->click();
    p.btnJikkou->click();
}

TEST(PracticeEntry, OfferedOnceTheUnitsLastQuestionIsSolved) {
    test::FrameSession session({"x+1<2", "x+1>2"});
    TfrmMain& f = *session.frame;
    auto* offer = f.findChild<QPushButton*>(QStringLiteral("btnPracticeOffer"));
    ASSERT_NE(offer, nullptr);

    solveXPlus1(f);
    ASSERT_TRUE(session.ws().state().solvedFlag);
    EXPECT_FALSE(offer->isVisible()) << "another question of the unit is waiting";
    f.pnlMain()->btnNext->click();
    solveXPlus1(f);
    ASSERT_TRUE(session.ws().state().solvedFlag);
    ASSERT_TRUE(offer->isVisible());
    EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("lblPracticeOffer"))->text(),
              QString::fromUtf8(practiceOfferText));

    offer->click();
    EXPECT_FALSE(offer->isVisible());
    EXPECT_FALSE(session.ws().state().solvedFlag);
    EXPECT_EQ(session.ws().state().lineCount, 1) << "a made question on a fresh page";
    EXPECT_TRUE(session.sink.shown.empty());
}

TEST(PracticeEntry, OpeningAnotherSetWithdrawsTheOffer) {
    test::FrameSession session({"x+1<2"});
    TfrmMain& f = *session.frame;
    auto* offer = f.findChild<QPushButton*>(QStringLiteral("btnPracticeOffer"));
    solveXPlus1(f);
    ASSERT_TRUE(offer->isVisible());
    test::menuEntry(f, "mnuOpen")->trigger();  // the stand-in open dialog is cancelled
    EXPECT_FALSE(offer->isVisible());
}

// The unit dialog cancelled during practice (the frame's stand-in dialog
// always cancels): the made question and its practice go on.
TEST(PracticeEntry, ACancelledUnitDialogLeavesPracticeGoing) {
    test::FrameSession session({"-2x<6", "5-2x<1"});
    TfrmMain& f = *session.frame;
    test::menuEntry(f, "mnuPractice")->trigger();
    const auto* dock = f.findChild<QDockWidget*>(QStringLiteral("practiceDock"));
    ASSERT_TRUE(dock->isVisible());
    f.pnlMain()->BitBtn1->click();
    EXPECT_TRUE(dock->isVisible());
}

}  // namespace
}  // namespace talvoren::ui
