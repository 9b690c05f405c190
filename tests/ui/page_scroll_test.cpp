// SPDX-License-Identifier: GPL-3.0-or-later
// The page keeps the newest work in view: the scroll rule on its own, and a
// question worked to its sixth line on each screen's layout.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "frame_support.h"
#include "ui/control_panel.h"
#include "ui/frm_page.h"
#include "ui/line_image.h"
#include "ui/page_scroll.h"

namespace talvoren::ui {
namespace {

TEST(PageScroll, ShowsTheRegionBelowThePinnedBand) {
    struct Case {
        const char* name;
        PageScroll scroll;
        int top, bottom;
        int value;
    };
    const PageScroll top{0, 300, 30, 400};
    const std::vector<Case> cases = {
        {"already in view", top, 30, 105, 0},
        {"below: scrolled until its bottom shows", top, 334, 409, 109},
        {"above: scrolled back until it clears the band", {200, 300, 30, 400}, 106, 181, 76},
        {"under the band: scrolled back", {100, 300, 30, 400}, 106, 181, 76},
        {"taller than the room: its bottom shows", top, 100, 450, 150},
        {"never past the end", top, 600, 700, 400},
        {"never before the start", {50, 300, 30, 400}, 10, 80, 0},
        {"a page that does not scroll", {0, 600, 30, 0}, 334, 409, 0},
    };
    for (const Case& tc : cases) EXPECT_EQ(scrollToShow(tc.scroll, tc.top, tc.bottom), tc.value) << tc.name;
}

// What the page shows, in page pixels: from below the pinned description
// line and the hint line under it (both opaque) to the bottom of the viewport.
struct Shown {
    int top, bottom;
    bool holds(const QRect& r) const { return r.top() >= top && r.bottom() < bottom; }
};

Shown shown(TfrmPage& page) {
    const int value = page.verticalScrollBar()->value();
    return {value + page.lblMess->height() + page.lblHint->height(), value + page.viewport()->height()};
}

// A step: the line, the operation button and the pad's digit (0 for none).
struct Step {
    int line;
    QPushButton* ControlPanel::*operation;
    int digit;
};

// The question 3x+2<x+8 solved on line 6 (doubling twice first) and on
// line 4 (at the foot of the left column at 640 x 480).
const std::vector<std::pair<const char*, std::vector<Step>>> solutions = {
    {"solved on line 6",
     {{1, &ControlPanel::btnKake, 2},
      {2, &ControlPanel::btnKake, 2},
      {3, &ControlPanel::btnIkou, 0},
      {4, &ControlPanel::btnSeiri, 0},
      {5, &ControlPanel::btnWaru, 8}}},
    {"solved on line 4", {{1, &ControlPanel::btnIkou, 0}, {2, &ControlPanel::btnSeiri, 0}, {3, &ControlPanel::btnWaru, 2}}},
};

TEST(PageScroll, NewestLineAnswerBoxAndDescriptionStayInView) {
    // 960 x 540: 1920 x 1080 at scale 2, where the box starts the right
    // column while the solution's line stands at the foot of the left one.
    for (const QSize screen :
         {QSize(640, 480), QSize(800, 600), QSize(960, 540), QSize(1024, 768), QSize(1366, 768)}) {
        for (const auto& [name, steps] : solutions) {
            SCOPED_TRACE(std::to_string(screen.width()) + " x " + std::to_string(screen.height()) + ", " + name);
            test::FrameSession session({"3x+2<x+8"}, screen);
            TfrmMain& f = *session.frame;
            ControlPanel& p = *f.pnlMain();
            TfrmPage& page = *f.frmPage();
            for (const Step& step : steps) {
                p.btnShiki[step.line]->click();
                (p.*step.operation)->click();
                if (step.digit) p.btnDigit[step.digit]->click();
                p.btnJikkou->click();
                const int newest = session.ws().state().lineCount;
                ASSERT_EQ(newest, step.line + 1);
                // (The step that solves shows the answer box: checked below.)
                if (!session.ws().state().solvedFlag) {
                    EXPECT_TRUE(shown(page).holds(page.Image[newest]->geometry())) << "line " << newest;
                }
                // The description line is pinned at the top of what shows.
                EXPECT_EQ(page.lblMess->y(), page.verticalScrollBar()->value());
                EXPECT_EQ(page.horizontalScrollBar()->value(), 0);
            }
            const int last = steps.back().line + 1;
            ASSERT_TRUE(session.ws().state().solvedFlag);
            EXPECT_EQ(page.lblMess->text(), QStringLiteral("解が出ました"));
            EXPECT_TRUE(page.grbKai->isVisible());
            EXPECT_TRUE(shown(page).holds(page.grbKai->geometry())) << "answer box";
            // The solution's line too, where the page has room for both.
            const QRect both = page.grbKai->geometry() | page.Image[last]->geometry();
            if (both.height() <= shown(page).bottom - shown(page).top) {
                EXPECT_TRUE(shown(page).holds(page.Image[last]->geometry())) << "the solution's line";
            }
            // Nothing sticks out at the right: every line and the box within the width.
            EXPECT_LE(page.grbKai->geometry().right(), page.viewport()->width());
            for (int n = 1; n <= page.lineCapacity; ++n)
                EXPECT_LE(page.Image[n]->geometry().right(), page.viewport()->width()) << n;
        }
    }
}

TEST(PageScroll, ALongLineTakesTheEmptyRowThenWiderColumnsUntilTheNextQuestion) {
    // At 640 x 480 the long question takes its whole row while the right column is empty.
    test::FrameSession session({"3(x+2)-2(x-1)+1/2x-3/4<5/6x+7/8", "x+3<5"}, QSize(640, 480));
    TfrmPage& page = *session.frame->frmPage();
    ControlPanel& p = *session.frame->pnlMain();
    const int column = page.Image[5]->width();
    EXPECT_EQ(page.Image[1]->geometry().right(), page.Image[5]->geometry().right());
    EXPECT_EQ(page.horizontalScrollBar()->maximum(), 0);
    // Line 5 takes the right column: line 1 goes back to a column, which
    // widens (both columns) to keep it legible, and the page scrolls sideways.
    for (const Step& step : std::vector<Step>{{1, &ControlPanel::btnKakko, 0},
                                              {2, &ControlPanel::btnIkou, 0},
                                              {3, &ControlPanel::btnSeiri, 0},
                                              {4, &ControlPanel::btnKake, 2}}) {
        p.btnShiki[step.line]->click();
        (p.*step.operation)->click();
        if (step.digit) p.btnDigit[step.digit]->click();
        p.btnJikkou->click();
    }
    ASSERT_EQ(session.ws().state().lineCount, 5);
    EXPECT_EQ(page.Image[1]->width(), page.Image[5]->width());
    EXPECT_GT(page.Image[5]->width(), column);
    EXPECT_GT(page.horizontalScrollBar()->maximum(), 0);
    session.sink.answers.push_back(Answer::yes);  // on to the next question before this one is solved
    p.btnNext->click();
    EXPECT_EQ(page.Image[1]->width(), column);
    EXPECT_EQ(page.horizontalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace talvoren::ui
