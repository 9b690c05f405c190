// SPDX-License-Identifier: GPL-3.0-or-later
// Alt+T opens 確かめ once an answer is on show, and not before.

#include <QPushButton>

#include <gtest/gtest.h>

#include "frame_support.h"
#include "ui/control_panel.h"
#include "ui/frm_page.h"

namespace talvoren::test {
namespace {

TEST(TashikameKey, AltTOpensTheCheckOnlyWhileAnAnswerIsOnShow) {
    FrameSession session({"x+3<5"});
    ui::TfrmMain& f = *session.frame;
    ui::ControlPanel& p = *f.pnlMain();
    int opened = 0;
    f.frmPage()->onTashikame = [&opened] { ++opened; };

    pressKey(f, Qt::Key_T, QStringLiteral("t"), Qt::AltModifier);
    EXPECT_EQ(opened, 0);

    p.btnShiki[1]->click();
    p.btnIkou->click();
    p.btnJikkou->click();
    p.btnShiki[2]->click();
    p.btnSeiri->click();
    p.btnJikkou->click();
    ASSERT_TRUE(f.frmPage()->answerBoxShown());
    pressKey(f, Qt::Key_T, QStringLiteral("t"), Qt::AltModifier);
    EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace talvoren::test
