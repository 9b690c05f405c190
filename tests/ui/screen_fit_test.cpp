// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs on a 640 x 480 screen: each fits and its controls can be reached;
// the help window closes from the keyboard.

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "frame_support.h"
#include "ui/frm_dump.h"
#include "ui/frm_edit_ques.h"
#include "ui/frm_kiroku.h"
#include "ui/frm_mondai.h"
#include "ui/help_viewer.h"
#include "ui/program_dialogs.h"
#include "ui/screen_fit.h"

namespace talvoren::ui {
namespace {

TEST(ScreenFit, DialogsOnA640By480ScreenFitAndScrollToEveryControl) {
    auto owned = std::make_unique<ProgramDialogs>();
    ProgramDialogs& dialogs = *owned;
    test::FrameSession session({"x+3<5"}, QSize(640, 480), std::move(owned));
    const ProgramState& frame = test::FrameInside::programState(*session.frame);
    const QSize room = windowRoom(QSize(640, 480));
    struct Case {
        const char* name;
        QWidget* dialog;
        bool scrolls;
    };
    const std::vector<Case> cases = {
        {"unit dialog", &dialogs.frmMondai(frame), false},  // laid out narrower and shorter
        {"editor", &dialogs.frmEditQues(frame), false},  // laid out for any size
        {"records", &dialogs.frmKiroku(frame), false},
        {"stack listing", &dialogs.frmDump(frame), true},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        EXPECT_LE(tc.dialog->width(), room.width());
        EXPECT_LE(tc.dialog->height(), room.height());
        auto* scroll = tc.dialog->findChild<QScrollArea*>(QStringLiteral("fittedScroll"));
        ASSERT_EQ(scroll != nullptr, tc.scrolls);
        if (!scroll) {
            // Laid out for the room: every control lies whole inside the dialog.
            for (QWidget* child : tc.dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (child->isWindow()) continue;
                EXPECT_TRUE(tc.dialog->rect().contains(child->geometry())) << child->objectName().toStdString();
            }
            continue;
        }
        tc.dialog->show();
        QApplication::processEvents();
        // Every button lies in the scrolled content, and scrolling reaches it.
        const QList<QAbstractButton*> buttons = tc.dialog->findChildren<QAbstractButton*>();
        ASSERT_FALSE(buttons.isEmpty());
        for (QAbstractButton* button : buttons) {
            if (button->isHidden() || !scroll->widget()->isAncestorOf(button)) continue;
            scroll->ensureWidgetVisible(button, 0, 0);
            const QRect onViewport(button->mapTo(scroll->viewport(), QPoint(0, 0)), button->size());
            EXPECT_TRUE(scroll->viewport()->rect().contains(onViewport)) << button->text().toStdString();
        }
        tc.dialog->hide();
    }
}

TEST(ScreenFit, ADialogThatFitsIsLeftAsItIs) {
    QWidget dialog;
    dialog.setFixedSize(256, 248);
    fitDialogToRoom(dialog, windowRoom(QSize(640, 480)));
    EXPECT_EQ(dialog.size(), QSize(256, 248));
    EXPECT_EQ(dialog.findChild<QScrollArea*>(), nullptr);
}

TEST(ScreenFit, HelpWindowFitsAndClosesFromTheKeyboard) {
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        SCOPED_TRACE(keys.toString().toStdString());
        HelpViewer help;
        boundWindowToRoom(help, windowRoom(QSize(640, 480)));
        EXPECT_LE(help.height(), 422);
        help.showContext(helpContents);
        QApplication::setActiveWindow(&help);
        help.browser()->setFocus();
        QApplication::processEvents();
        QKeyEvent press(QEvent::KeyPress, keys[0].key(), keys[0].keyboardModifiers());
        QKeyEvent shortcut(QEvent::ShortcutOverride, keys[0].key(), keys[0].keyboardModifiers());
        QApplication::sendEvent(help.browser(), &shortcut);
        QApplication::sendEvent(help.browser(), &press);
        QApplication::processEvents();
        EXPECT_FALSE(help.isVisible());
    }
}

}  // namespace
}  // namespace talvoren::ui
