// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil at the real widgets: questions solved by clicks and keys, Enter
// and Escape acting once, the hover frames, the special-solution dialog and
// a real message box.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

#include "dialogs_support.h"
#include "frame_support.h"
#include "ui/control_panel.h"
#include "ui/frm_page.h"
#include "ui/frm_sentaku.h"
#include "ui/glyphs.h"
#include "ui/line_image.h"
#include "ui/message_box.h"

namespace talvoren::test {
namespace {

QString description(ui::TfrmMain& f) { return f.frmPage()->lblMess->text(); }
const QImage& lineImage(ui::TfrmMain& f, int n) { return f.frmPage()->lineImage(n)->image(); }

TEST(FramePlay, QuestionSolvedByClicksAndKeys) {
    FrameSession session({"-2x+1<5", "x-4>2"});
    ui::TfrmMain& f = *session.frame;
    ui::ControlPanel& p = *f.pnlMain();

    // ① 移項 実行 by clicks.
    p.btnShiki[1]->click();
    EXPECT_EQ(description(f), "①式");
    p.btnIkou->click();
    EXPECT_EQ(description(f), "①式を移項する");
    EXPECT_TRUE(p.btnJikkou->isEnabled());
    p.btnJikkou->click();
    EXPECT_EQ(session.ws().state().lineCount, 2);
    EXPECT_EQ(f.core().lines[2].caption, "①式を移項すると");
    EXPECT_GT(countPixels(lineImage(f, 2), inked), 100);
    EXPECT_TRUE(p.btnShiki[2]->isEnabled());

    // ② 整理 by keys.
    typeChar(f, '2');
    typeChar(f, 's');
    EXPECT_EQ(description(f), "②式の両辺を計算して整理する");
    pressKey(f, Qt::Key_Return, "\r");
    EXPECT_EQ(session.ws().state().lineCount, 3);

    // ③ ÷ -2 with the pad, then Enter.
    p.btnShiki[3]->click();
    p.btnWaru->click();
    p.btnMinus->click();
    p.btnDigit[2]->click();
    EXPECT_EQ(description(f), "③式÷(-2)");
    EXPECT_EQ(p.pnlNumber->text(), "-2");
    pressKey(f, Qt::Key_Enter, "\r");

    EXPECT_EQ(session.ws().state().lineCount, 4);
    EXPECT_EQ(f.core().lines[4].caption, "③式の両辺を-2で割ると");
    EXPECT_EQ(description(f), "解が出ました");
    EXPECT_EQ(p.pnlNumber->text(), "");
    // The relation turned round is drawn red, and only in the new line.
    EXPECT_GT(countPixels(lineImage(f, 4), reddish), 10);
    EXPECT_EQ(countPixels(lineImage(f, 3), reddish), 0);
    EXPECT_TRUE(f.frmPage()->grbKai->isVisible());
    EXPECT_GT(countPixels(lineImage(f, 16), inked), 100);
    EXPECT_TRUE(session.ws().state().solvedFlag);
    EXPECT_TRUE(session.sink.shown.empty());
    EXPECT_TRUE(std::filesystem::exists(session.dir.file("kessavir.rec")));
}

// Every button of the panel but the record button, every line image and the
// answer box click through the control table under their own names.
TEST(FramePlay, TheWindowsHoldEveryControlOfTheTable) {
    FrameSession session({"2x+3<5"});
    ui::TfrmMain& f = *session.frame;
    auto* panel = f.findChild<QWidget*>(QStringLiteral("pnlMain"));
    auto* page = f.findChild<QWidget*>(QStringLiteral("frmPage"));
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(page, nullptr);
    std::set<std::string> onWindows;
    for (const QPushButton* button : panel->findChildren<QPushButton*>())
        if (button->objectName() != "btnKiroku") onWindows.insert(button->objectName().toStdString());
    for (const QWidget* widget : page->findChildren<QWidget*>())
        if (widget->objectName().startsWith("Image")) onWindows.insert(widget->objectName().toStdString());
    onWindows.insert("grbKai");
    std::set<std::string> names;
    for (const Control control : allControls()) names.insert(controlName(control));
    EXPECT_EQ(onWindows, names);
    EXPECT_NE(page->findChild<QGroupBox*>(QStringLiteral("grbKai")), nullptr);
}

TEST(FramePlay, NextButtonBlinksUntilTheNextQuestion) {
    FrameSession session({"x+3<5", "x-4>2"});
    ui::TfrmMain& f = *session.frame;
    ui::ControlPanel& p = *f.pnlMain();
    f.timBlink()->setInterval(5);
    for (char c : {'1', 'i'}) typeChar(f, c);
    pressKey(f, Qt::Key_Return, "\r");
    for (char c : {'2', 's'}) typeChar(f, c);
    pressKey(f, Qt::Key_Return, "\r");
    ASSERT_TRUE(session.ws().state().solvedFlag);
    EXPECT_TRUE(f.timBlink()->isActive());
    EXPECT_EQ(f.focusWidget(), p.btnNext);

    // The picture alternates, imgNextQ first.
    std::vector<QImage> pictures;
    for (int tick = 0; tick < 3; ++tick) {
        QEventLoop loop;
        QObject::connect(f.timBlink(), &QTimer::timeout, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        loop.exec();
        pictures.push_back(p.btnNext->icon().pixmap(25, 25).toImage());
    }
    EXPECT_EQ(pictures[0], ui::nextGlyphQ().toImage());
    EXPECT_EQ(pictures[1], ui::nextGlyphR().toImage());
    EXPECT_EQ(pictures[2], ui::nextGlyphQ().toImage());

    // A click on the answer box moves on like 次の問題.
    leftClick(f.frmPage()->grbKai);
    EXPECT_FALSE(f.timBlink()->isActive());
    EXPECT_FALSE(session.ws().state().solvedFlag);
    EXPECT_EQ(f.core().lines[1].caption, "（2） 次の不等式を解きなさい");
    EXPECT_FALSE(f.frmPage()->grbKai->isVisible());
    EXPECT_EQ(p.btnNext->icon().pixmap(25, 25).toImage(), ui::nextGlyphQ().toImage());
    EXPECT_EQ(description(f), "式を指定してください");
}

TEST(FramePlay, EnterAfterASolutionGoesOnToTheNextQuestion) {
    FrameSession session({"x+3<5", "x-4>2"});
    ui::TfrmMain& f = *session.frame;
    for (char c : {'1', 'i'}) typeChar(f, c);
    pressKey(f, Qt::Key_Return, "\r");
    for (char c : {'2', 's'}) typeChar(f, c);
    pressKey(f, Qt::Key_Return, "\r");
    ASSERT_TRUE(session.ws().state().solvedFlag);
    pressKey(f, Qt::Key_Return, "\r");
    EXPECT_TRUE(session.sink.shown.empty());
    EXPECT_EQ(f.core().lines[1].caption, "（2） 次の不等式を解きなさい");
    EXPECT_FALSE(session.ws().state().solvedFlag);
    EXPECT_FALSE(f.timBlink()->isActive());
}

TEST(FramePlay, BlinkingStoppedOnTheSecondPictureRestoresTheFirst) {
    FrameSession session({"x<5"});  // solved from the start: the button blinks
    ui::TfrmMain& f = *session.frame;
    f.timBlink()->setInterval(5);
    ASSERT_TRUE(f.timBlink()->isActive());
    for (int tick = 0; tick < 2; ++tick) {
        QEventLoop loop;
        QObject::connect(f.timBlink(), &QTimer::timeout, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        loop.exec();
    }
    ASSERT_EQ(f.pnlMain()->btnNext->icon().pixmap(25, 25).toImage(), ui::nextGlyphR().toImage());
    // A restarted set (an accepted edit, the unit dialog's OK) stops the blinking too.
    ASSERT_TRUE(session.ws().startQuestionSet("x+1<5"));
    EXPECT_FALSE(f.timBlink()->isActive());
    EXPECT_EQ(f.pnlMain()->btnNext->icon().pixmap(25, 25).toImage(), ui::nextGlyphQ().toImage());
}

TEST(FramePlay, EnterAndEscapeActOnceWhereverTheFocusIs) {
    FrameSession session({"x+3<5"});
    ui::TfrmMain& f = *session.frame;
    ui::ControlPanel& p = *f.pnlMain();
    for (QWidget* focus : std::vector<QWidget*>{p.btnTeisei, p.btnJikkou, p.btnShiki[1], f.frmPage()}) {
        SCOPED_TRACE(focus->objectName().toStdString());
        p.btnShiki[1]->click();
        p.btnIkou->click();
        focus->setFocus();
        pressKey(f, Qt::Key_Return, "\r");
        EXPECT_EQ(session.ws().state().lineCount, 2);
        focus->setFocus();
        pressKey(f, Qt::Key_Escape, "\x1b");
        EXPECT_EQ(session.ws().state().lineCount, 1);
    }
    EXPECT_TRUE(session.sink.shown.empty());
}

TEST(FramePlay, KeysOfThePad) {
    FrameSession session({"3x<1"});
    ui::TfrmMain& f = *session.frame;
    typeChar(f, '1');
    typeChar(f, '*');
    for (char c : {'3', 'b', '2'}) typeChar(f, c);
    EXPECT_EQ(description(f), "①式×3分の2");
    EXPECT_EQ(f.pnlMain()->pnlNumber->text(), "3分の2");
    pressKey(f, Qt::Key_Delete);
    EXPECT_EQ(description(f), "①式×");
    EXPECT_EQ(f.pnlMain()->pnlNumber->text(), "");
    typeChar(f, 'x');  // the letter key of this question
    EXPECT_EQ(description(f), "①式×x");
    // Shift in Idle selects the newest line.
    pressKey(f, Qt::Key_Escape, "\x1b");
    pressKey(f, Qt::Key_Shift, QString(), Qt::ShiftModifier);
    EXPECT_EQ(description(f), "①式");
}

TEST(FramePlay, HoverFrames) {
    FrameSession session({"x+3<5"});
    ui::TfrmMain& f = *session.frame;
    ui::ControlPanel& p = *f.pnlMain();
    for (int step = 0; step < 2; ++step) {
        p.btnShiki[1]->click();
        p.btnIkou->click();
        p.btnJikkou->click();
    }
    ASSERT_EQ(session.ws().state().lineCount, 3);
    const auto framed = [&f](int n) { return countPixels(lineImage(f, n), reddish) > 100; };

    mouseMoveOver(f.frmPage()->Image[2]);
    EXPECT_TRUE(framed(2));
    {
        // The frame runs from (1, 0) to (width - 2, height - 2): the last
        // column and row of the bitmap stay white.
        const QImage image = lineImage(f, 2);
        const int w = image.width(), h = image.height();
        struct Probe {
            const char* name;
            QPoint at;
            bool red;
        };
        const std::vector<Probe> probes = {
            {"left edge", {1, 30}, true},      {"column 0", {0, 30}, false},
            {"right edge", {w - 2, 30}, true}, {"last column", {w - 1, 30}, false},
            {"top edge", {100, 0}, true},      {"bottom edge", {100, h - 2}, true},
            {"last row", {100, h - 1}, false},
        };
        for (const Probe& probe : probes)
            EXPECT_EQ(reddish(image.pixelColor(probe.at)), probe.red) << probe.name;
    }
    mouseMoveOver(f.frmPage()->Image[3]);
    EXPECT_FALSE(framed(2));
    EXPECT_TRUE(framed(3));
    mouseMoveOver(f.frmPage()->Image[5]);  // above lineCount: only removes the frames
    EXPECT_FALSE(framed(3));
    EXPECT_EQ(f.frmPage()->hoveredLine, -1);
    mouseMoveOver(f.frmPage()->Image[2]);
    mouseMoveOver(f.frmPage()->widget());  // the page's background
    EXPECT_FALSE(framed(2));

    // A clicked line keeps its frame until the step is executed.
    mouseMoveOver(f.frmPage()->Image[3]);
    leftClick(f.frmPage()->Image[3]);
    EXPECT_EQ(description(f), "③式");
    mouseMoveOver(f.frmPage()->Image[2]);
    EXPECT_TRUE(framed(3));
    EXPECT_FALSE(framed(2));
}

TEST(FramePlay, SpecialSolutionDialog) {
    FrameSession session({"x+1<x+3"});
    ui::TfrmMain& f = *session.frame;
    ui::ControlPanel& p = *f.pnlMain();
    p.btnShiki[1]->click();
    p.btnIkou->click();
    p.btnJikkou->click();
    p.btnShiki[2]->click();
    p.btnSeiri->click();

    // First the wrong answer, then the right one.
    std::vector<QString> titles;
    std::vector<QPoint> places;
    QPushButton* answers[] = {f.frmSentaku()->btnKainashi, f.frmSentaku()->btnMusu};
    int shown = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = dynamic_cast<ui::TfrmSentaku*>(QApplication::activeModalWidget());
        if (!dialog || shown >= 2) return;
        titles.push_back(dialog->windowTitle());
        places.push_back(dialog->pos());
        answers[shown++]->click();
    });
    poll.start();
    p.btnJikkou->click();
    poll.stop();

    ASSERT_EQ(shown, 2);
    EXPECT_EQ(titles[0], "特殊な解");
    const ui::LineImage* image1 = f.frmPage()->Image[1];
    EXPECT_EQ(places[0], image1->mapToGlobal(QPoint(image1->width() + 8, 30)));
    EXPECT_EQ(session.sink.shown, (std::vector<std::string>{"解なし？？もう一度考えてみましょう"}));
    EXPECT_EQ(session.ws().state().answerKind, AnswerKind::infinitelyMany);
    EXPECT_EQ(description(f), "解が出ました");
    EXPECT_GT(countPixels(lineImage(f, 16), inked), 100);
    EXPECT_EQ(f.frmSentaku()->size(), QSize(185, 207));
    EXPECT_EQ(f.frmSentaku()->Edit1->text(), "解の種類を選んでください");
    EXPECT_TRUE(f.frmSentaku()->Edit1->isReadOnly());
}

TEST(FramePlay, SpecialSolutionDialogResults) {
    ui::TfrmSentaku dialog;
    struct Case {
        const char* name;
        std::function<void()> act;
        int result;
    };
    const std::vector<Case> cases = {
        {"解は無数にある", [&] { dialog.btnMusu->click(); }, ui::sentakuMusu},
        {"解なし", [&] { dialog.btnKainashi->click(); }, ui::sentakuKainashi},
        {"closed", [&] { dialog.reject(); }, ui::sentakuClosed},
    };
    for (const Case& tc : cases) {
        QTimer::singleShot(0, &dialog, tc.act);
        EXPECT_EQ(dialog.exec(), tc.result) << tc.name;
    }
    EXPECT_EQ(dialog.btnMusu->text(), "解は無数にある(&A)");
    EXPECT_EQ(dialog.btnKainashi->text(), "解なし(&B)");
}

TEST(FramePlay, RealMessageBoxes) {
    ui::QtMessageSink sink;
    // A refused step's message: a plain box with the program's title.
    QString title, text;
    whileModal<QMessageBox>(
        [&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            box.button(QMessageBox::Ok)->click();
        },
        [&] { sink.showMessage("操作が誤りです。例①＋②［実行］"); });
    EXPECT_EQ(title, "Merulan Talvoren");
    EXPECT_EQ(text, "操作が誤りです。例①＋②［実行］");

    // A confirmation: caption, Japanese standard buttons, the answer pressed.
    QStringList buttons;
    Answer answer = Answer::ok;
    whileModal<QMessageBox>(
        [&](QMessageBox& box) {
            title = box.windowTitle();
            for (QAbstractButton* b : box.buttons()) buttons << b->text();
            box.button(QMessageBox::No)->click();
        },
        [&] { answer = sink.ask("確認", "まだ解が出ていませんが次の問題に進みますか", Buttons::yesNo, Icon::question); });
    EXPECT_EQ(title, "確認");
    EXPECT_TRUE(buttons.contains("はい(&Y)") || buttons.contains("はい")) << buttons.join(',').toStdString();
    EXPECT_EQ(answer, Answer::no);
}

}  // namespace
}  // namespace talvoren::test
