// SPDX-License-Identifier: GPL-3.0-or-later
// 計算も自分で at the real widgets: the entry on the new line typed with
// keys and the pad's relation keys, a mistake named in the hint line with no
// box, the right line drawn; and the setting a teacher locks on.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "frame_support.h"
#include "ui/control_panel.h"
#include "ui/frm_page.h"
#include "ui/line_image.h"
#include "ui/self_write_setting.h"

namespace talvoren::test {
namespace {

TEST(SelfWrite, LineWrittenWithKeysAndPad) {
    FrameSession session({"-2x+1<5"});
    ui::TfrmMain& f = *session.frame;
    ui::ControlPanel& p = *f.pnlMain();
    session.ws().setSelfWrite(true);

    p.btnShiki[1]->click();
    p.btnIkou->click();
    p.btnJikkou->click();
    EXPECT_EQ(session.ws().entryLine(), 2);
    EXPECT_EQ(session.ws().state().lineCount, 1);
    EXPECT_TRUE(p.btnRelation[0]->isVisible());
    EXPECT_FALSE(p.pnlNumber->isVisible());

    // A transposed term that kept its sign: named in the hint line, no box.
    for (char c : std::string("-2x")) typeChar(f, c);
    p.btnRelation[0]->click();  // ＜
    for (char c : std::string("5+1")) typeChar(f, c);
    EXPECT_EQ(session.ws().entryText(), "-2x<5+1");
    EXPECT_GT(countPixels(f.frmPage()->lineImage(2)->image(), inked), 100);  // typeset live
    pressKey(f, Qt::Key_Return, "\r");
    EXPECT_EQ(session.ws().entryLine(), 2);
    EXPECT_EQ(f.frmPage()->lblHint->text(), QStringLiteral("移項した項は、符号を変えましょう。"));
    EXPECT_TRUE(session.sink.shown.empty());

    pressKey(f, Qt::Key_Backspace);
    pressKey(f, Qt::Key_Backspace);
    typeChar(f, '-');
    typeChar(f, '1');
    pressKey(f, Qt::Key_Return, "\r");
    EXPECT_EQ(session.ws().entryLine(), 0);
    EXPECT_EQ(session.ws().state().lineCount, 2);
    EXPECT_FALSE(p.btnRelation[0]->isVisible());
    EXPECT_EQ(session.ws().writingTally().right, 1);
}

TEST(SelfWrite, TeacherLocksTheSettingOn) {
    QTemporaryDir dir;
    const QString user = dir.filePath("user.ini");
    const QString teacher = dir.filePath("teacher.ini");
    EXPECT_FALSE(ui::readSelfWriteSetting(user, teacher).on);  // off by default
    ASSERT_TRUE(ui::saveSelfWrite(user, true));
    EXPECT_TRUE(ui::readSelfWriteSetting(user, teacher).on);
    ASSERT_TRUE(ui::saveSelfWrite(user, false));
    {
        QFile file(teacher);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[practice]\nselfWrite=always\n");
    }
    const ui::SelfWriteSetting locked = ui::readSelfWriteSetting(user, teacher);
    EXPECT_TRUE(locked.on);
    EXPECT_TRUE(locked.lockedByTeacher);
}

}  // namespace
}  // namespace talvoren::test
