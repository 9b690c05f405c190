// SPDX-License-Identifier: GPL-3.0-or-later
// The unit selection dialog: previews, marks, the unit list, OK and cancel.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "core/question_parser.h"
#include "dialogs_support.h"
#include "ui/frm_mondai.h"
#include "ui/line_image.h"

namespace talvoren::ui {
namespace {

bool isWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

// The green of the marker, inside the bar.
bool isMarked(const LineImage& bar) { return bar.image().pixel(12, 37) == qRgb(0, 128, 0); }

std::vector<std::string> questions(int n) {
    const std::vector<std::string> all{"x+1<2", "2x<4", "x-3>1", "-x<3", "3x>=6", "x/2<1", "2(x+1)<4"};
    return {all.begin(), all.begin() + n};
}

struct UnitDialog : ::testing::Test {
    test::DialogSession session;
    int recordsShown = 0;
    TfrmMondai dialog{session.s, session.core, [this] { ++recordsShown; }};

    void SetUp() override {
        ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("七問", questions(7)),
                                                  test::unitLines("二問", questions(2)),
                                                  test::unitLines("三問", questions(3)),
                                                  test::unitLines("四問", questions(4))})));
    }
    void showUnit(int unit, int position) {
        session.s.chooseUnit(unit, position);
        dialog.show();
    }
    int markedRow() const {
        int marked = 0;
        for (int n = 1; n <= previewRows; ++n)
            if (isMarked(*dialog.imgKakko[n])) marked = marked ? -1 : n;
        return marked;  // -1 when more than one bar is marked
    }
};

// A decimal question on the page keeps its decimals after the dialog has
// previewed (and been cancelled on) questions without them.
TEST_F(UnitDialog, PreviewsLeaveThePagesLetterAndDecimalsAlone) {
    ASSERT_TRUE(parseQuestion(session.core, 1, "0.5a+1>2"));
    const ExprLine pageLine = session.core.lines[1];
    showUnit(1, 1);
    dialog.reject();
    EXPECT_TRUE(session.core.hasDecimalPoint);
    EXPECT_EQ(session.core.unknownLetter, 'a');
    EXPECT_EQ(lineCellsText(session.core.lines[1]), lineCellsText(pageLine));
    EXPECT_EQ(session.core.lines[0].cellCount, 0);
}

// A question too long for its preview is drawn shrunk to the preview's
// width, measured in layout pixels whatever the screen's pixel density.
TEST(UnitDialogPreview, ALongQuestionFitsItsPreviewAtEveryDensity) {
    for (const double ratio : {1.0, 2.0, 2.8}) {
        SCOPED_TRACE(ratio);
        test::DialogSession session;
        ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("長い", {"3(x+2)-2(x-1)+1/2x-3/4<5/6x+7/8"})})));
        TfrmMondai dialog(session.s, session.core, {});
        LineImage& preview = *dialog.Image[1];
        preview.setPixelRatio(ratio);
        preview.setImageGeometry(preview.geometry());
        session.s.chooseUnit(1, session.s.unitPosition()[1]);
        dialog.show();
        const QImage& image = preview.image();
        int rightmostInk = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 160) rightmostInk = std::max(rightmostInk, x);
        ASSERT_GE(rightmostInk, 0);
        EXPECT_LT(rightmostInk / ratio, preview.width() - 3) << "the line runs to the preview's edge";
        EXPECT_GT(rightmostInk / ratio, preview.width() / 2) << "shrunk no more than it needs";
    }
}

TEST_F(UnitDialog, UnitOfThreeQuestionsShowsThreePreviews) {
    showUnit(3, 2);
    EXPECT_EQ(dialog.lblMidashi->text(), QStringLiteral("三問"));
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(dialog.btnShiki[n]->isEnabled(), n <= 3) << n;
        EXPECT_EQ(isWhite(dialog.Image[n]->image()), n > 3) << n;
    }
    EXPECT_EQ(markedRow(), 2);
    dialog.Image[5]->onClick();  // beyond the unit's questions
    EXPECT_EQ(markedRow(), 2);
    EXPECT_EQ(dialog.markedQuestion[3], 2);
}

TEST_F(UnitDialog, SwitchingToAShorterUnitClearsTheRowsBeyondIt) {
    showUnit(1, 1);
    for (int n = 1; n <= 7; ++n) EXPECT_FALSE(isWhite(dialog.Image[n]->image())) << n;
    dialog.lstTangen->setCurrentRow(1);  // 二問
    EXPECT_EQ(dialog.lblMidashi->text(), QStringLiteral("二問"));
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(isWhite(dialog.Image[n]->image()), n > 2) << n;
        EXPECT_EQ(dialog.btnShiki[n]->isEnabled(), n <= 2) << n;
    }
}

struct MarkCase {
    const char* name;
    int row;
    enum { preview, bar, button } by;
};

class UnitDialogMark : public UnitDialog, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(UnitDialogMark, EachPartOfARowMarksItsQuestion) {
    showUnit(1, 1);
    const MarkCase& c = GetParam();
    switch (c.by) {
    case MarkCase::preview: test::leftClick(dialog.Image[c.row]); break;
    case MarkCase::bar: test::leftClick(dialog.imgKakko[c.row]); break;
    case MarkCase::button: dialog.btnShiki[c.row]->click(); break;
    }
    EXPECT_EQ(markedRow(), c.row);
    EXPECT_EQ(dialog.markedQuestion[1], c.row);
}

INSTANTIATE_TEST_SUITE_P(Table, UnitDialogMark,
                         ::testing::Values(MarkCase{"barOfFive", 5, MarkCase::bar},
                                           MarkCase{"barOfSeven", 7, MarkCase::bar},
                                           MarkCase{"previewOfSix", 6, MarkCase::preview},
                                           MarkCase{"buttonOfThree", 3, MarkCase::button}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UnitDialog, AUnitsMarkStartsAgainAtItsStoredPosition) {
    showUnit(1, 1);
    dialog.markQuestion(3);
    dialog.lstTangen->setCurrentRow(3);
    EXPECT_EQ(markedRow(), 1);
    dialog.lstTangen->setCurrentRow(0);
    EXPECT_EQ(markedRow(), 1) << "not at question 3 marked earlier";
}

TEST_F(UnitDialog, OkSetsTheUnitAndTheMarkedQuestion) {
    showUnit(1, 1);
    dialog.lstTangen->setCurrentRow(3);  // 四問
    dialog.markQuestion(2);
    dialog.btnOK->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(session.s.currentUnit(), 4);
    EXPECT_EQ(session.s.unitPosition()[4], 2);
    EXPECT_EQ(session.s.unitPosition()[1], 1);
    EXPECT_EQ(markedRow(), 0) << "OK leaves the bars clean";
}

TEST_F(UnitDialog, RestoringTheMinimisedDialogKeepsTheUnitAndTheMark) {
    showUnit(1, 1);
    dialog.lstTangen->setCurrentRow(3);  // 四問
    dialog.markQuestion(2);
    dialog.setWindowState(Qt::WindowMinimized);
    dialog.setWindowState(Qt::WindowNoState);  // the window system shows it again
    EXPECT_EQ(dialog.shownUnit, 4);
    EXPECT_EQ(markedRow(), 2);
}

TEST_F(UnitDialog, CancelChangesNothing) {
    showUnit(2, 2);
    dialog.lstTangen->setCurrentRow(0);
    dialog.markQuestion(6);
    dialog.btnCancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(session.s.currentUnit(), 2);
    EXPECT_EQ(session.s.unitPosition()[1], 1);
    EXPECT_EQ(markedRow(), 0);
}

TEST_F(UnitDialog, TheListStopsAtTheFirstEmptyTitle) {
    ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("A", questions(1)), test::unitLines("", questions(1)),
                                              test::unitLines("C", questions(1))})));
    showUnit(1, 1);
    ASSERT_EQ(dialog.lstTangen->count(), 1);
    EXPECT_EQ(dialog.lstTangen->item(0)->text(), QStringLiteral("A"));
}

TEST_F(UnitDialog, OkOnAUnitWithoutQuestionsIsRefusedAndTheDialogStays) {
    // The last unit lacks its ">>": it is listed with no questions.
    ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("A", questions(2)),
                                              test::unitLines("B", questions(2), false)})));
    showUnit(1, 2);
    dialog.lstTangen->setCurrentRow(1);
    for (int n = 1; n <= 7; ++n) EXPECT_FALSE(dialog.btnShiki[n]->isEnabled()) << n;
    dialog.btnOK->click();
    EXPECT_EQ(session.sink.shown, (std::vector<std::string>{"この単元には問題がありません。ほかの単元を選んでください"}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(session.s.currentUnit(), 1);
    EXPECT_EQ(session.s.unitPosition()[1], 2);
}

TEST_F(UnitDialog, RefusedQuestionIsShownAsTextAfterTheParsersMessage) {
    ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("A", {"x<1", "2x+3y<1"})})));
    showUnit(1, 1);
    EXPECT_EQ(session.sink.shown, (std::vector<std::string>{"文字が多すぎます"}));
    EXPECT_FALSE(isWhite(dialog.Image[2]->image()));
    EXPECT_TRUE(dialog.btnShiki[2]->isEnabled());
}

bool inkedColumn(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y)
        if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

// The rightmost and leftmost columns with ink, or -1 for a white image.
int rightmostInk(const QImage& image) {
    for (int x = image.width() - 1; x >= 0; --x)
        if (inkedColumn(image, x)) return x;
    return -1;
}

int leftmostInk(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        if (inkedColumn(image, x)) return x;
    return -1;
}

TEST(PreviewScale, ShrinksOnlyALineWiderThanThePreview) {
    EXPECT_EQ(previewScale(14 * 14, 297), 1.0);
    EXPECT_EQ(previewScale(291, 297), 1.0);
    EXPECT_DOUBLE_EQ(previewScale(37 * 14, 297), 291.0 / (37 * 14));
}

TEST_F(UnitDialog, AQuestionWiderThanItsPreviewIsDrawnWhole) {
    // 36 columns: 504 pixels at the page's size, the preview has 297.
    ASSERT_TRUE(session.load(test::joinUnits({test::unitLines("A", {"x<1", "-3x+6<3(2-x)+4x-12"})})));
    showUnit(1, 1);
    const QImage& wide = dialog.Image[2]->image();
    EXPECT_GT(rightmostInk(wide), wide.width() * 3 / 4);
    EXPECT_LT(rightmostInk(wide), wide.width() - 6) << "nothing runs off the edge";
    // Column 1 starts at 14 pixels in the page's size, nearer the edge when
    // shrunk (a little: its spacing closed up first).
    EXPECT_LT(leftmostInk(wide), 14);
    EXPECT_GE(leftmostInk(dialog.Image[1]->image()), 14) << "a short question keeps the page's size";
}

TEST_F(UnitDialog, RecordsButtonOpensTheRecords) {
    showUnit(1, 1);
    dialog.btnShowRecord->click();
    EXPECT_EQ(recordsShown, 1);
}

}  // namespace
}  // namespace talvoren::ui
