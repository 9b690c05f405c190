// SPDX-License-Identifier: GPL-3.0-or-later
// The frame, its control panel, its menu and the worked page's layout for
// the three screen sizes; the fatal start without a question set.

#include <QAction>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

#include "frame_support.h"
#include "ui/control_panel.h"
#include "ui/frm_page.h"
#include "ui/line_image.h"

namespace talvoren::test {
namespace {

TEST(FrameLayout, ByScreenSize) {
    struct Case {
        const char* name;
        QSize screen;
        QRect frame;
        int panelHeight;
        QRect page;
        int lineCapacity;
        int imageWidth;
        int bandWidth;  // the description and hint lines, ending before a scroll bar
        std::vector<std::pair<int, QPoint>> lines;  // line image positions on the page
        bool warned;
    };
    // The lines start below the description line and the hint line (25 + 36 + 5).
    const std::vector<Case> cases = {
        {"1024 x 768", {1024, 768}, {0, 0, 1024, 740}, 684, {143, 0, 869, 682}, 14, 419, 853,
         {{1, {8, 66}}, {7, {8, 522}}, {8, {429, 66}}, {14, {429, 522}}}, false},
        {"800 x 600", {800, 600}, {0, 0, 800, 572}, 516, {143, 0, 645, 514}, 12, 307, 615,
         {{1, {8, 66}}, {6, {8, 446}}, {7, {317, 66}}, {12, {317, 446}}}, false},
        {"640 x 480", {640, 480}, {0, 0, 640, 452}, 396, {143, 0, 485, 394}, 8, 227, 455,
         {{1, {8, 66}}, {4, {8, 294}}, {5, {237, 66}}, {8, {237, 294}}}, true},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        FrameSession session({"x+3<5"}, tc.screen);
        ui::TfrmMain& f = *session.frame;
        // At the screen's top-left corner (the window's frame, if any, included).
        EXPECT_EQ(f.frameGeometry().topLeft(), tc.frame.topLeft());
        EXPECT_EQ(f.size(), tc.frame.size());
        EXPECT_EQ(f.pnlMain()->geometry(), QRect(0, 0, 145, tc.panelHeight));
        EXPECT_EQ(f.pageWindow()->geometry(), tc.page);
        EXPECT_EQ(f.frmPage()->lineCapacity, tc.lineCapacity);
        EXPECT_EQ(session.ws().state().lineCapacity, tc.lineCapacity);
        EXPECT_EQ(f.frmPage()->lblMess->width(), tc.bandWidth);
        EXPECT_EQ(f.frmPage()->lblHint->geometry(), QRect(8, 25, tc.bandWidth, 36));
        EXPECT_LE(8 + tc.bandWidth, f.frmPage()->viewport()->width()) << "no scroll bar over the hint line";
        for (const auto& [n, at] : tc.lines)
            EXPECT_EQ(f.frmPage()->Image[n]->geometry(), QRect(at, QSize(tc.imageWidth, 75))) << "line " << n;
        for (int n = tc.lineCapacity + 1; n <= ui::pageLineImages; ++n)
            EXPECT_TRUE(f.frmPage()->Image[n]->isHidden()) << "line " << n;
        const bool warned = !session.sink.shown.empty() &&
                            session.sink.shown.front() == "できれば８００×６００以上の解像度にしてください";
        EXPECT_EQ(warned, tc.warned);
        EXPECT_TRUE(f.started());
    }
}

TEST(FrameLayout, PanelTooShortScrolls) {
    struct Case {
        const char* name;
        QSize screen;
        bool scrolls;
    };
    const std::vector<Case> cases = {
        {"1024 x 768: everything fits", {1024, 768}, false},
        {"800 x 600: the column under the operations closes up and fits", {800, 600}, false},
        {"640 x 480: 次の問題 and below are off the panel", {640, 480}, true},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        FrameSession session({"x+3<5"}, tc.screen);
        ui::ControlPanel& p = *session.frame->pnlMain();
        EXPECT_EQ(p.scrollBar->isVisible(), tc.scrolls);
        if (!tc.scrolls) {
            // Every control lies inside the panel, one below the other.
            EXPECT_LE(p.btnHint->geometry().bottom() + 1 + 8, p.height());
            const std::vector<QWidget*> column{p.grbSousa, p.btnJikkou, p.btnTeisei, p.grbNumber,
                                               p.btnNext,  p.BitBtn1,   p.btnKiroku, p.btnHint};
            for (std::size_t i = 1; i < column.size(); ++i)
                EXPECT_LT(column[i - 1]->geometry().bottom(), column[i]->geometry().top()) << i;
            continue;
        }
        p.scrollBar->setValue(p.scrollBar->maximum());
        // The last button sits inside the panel, the panel's margin below it.
        EXPECT_EQ(p.btnHint->geometry().bottom() + 1 + 8, p.height());
        EXPECT_EQ(p.btnShiki[1]->geometry(), QRect(8, 8, 25, 25)) << "the line buttons stay in reach";
        EXPECT_EQ(p.btnShiki[8]->geometry(), QRect(8, 176, 25, 25));
        p.scrollBar->setValue(0);
        EXPECT_EQ(p.btnKiroku->geometry(), QRect(40, 488, 97, 33));
        EXPECT_EQ(p.btnShiki[1]->geometry(), QRect(8, 8, 25, 25));
    }
}

// The third hint with the reason the relation turns: three lines of 14-pixel
// type at 640, set smaller so that the whole of it stays in the band.
TEST(FrameLayout, LongHintFitsItsBandAt640) {
    FrameSession session({"x+3<5"}, QSize(640, 480));
    QLabel& hint = *session.frame->frmPage()->lblHint;
    const QString longest = QStringLiteral(
        "式と操作を入力しておきました。確かめてから［実行］を押しましょう。"
        "負の数でわると大小が入れかわるので、不等号の向きが変わります。");
    session.frame->frmPage()->showHint(longest);
    const QRect room(0, 0, hint.width() - 2 * hint.indent(), 10'000);
    EXPECT_LE(QFontMetrics(hint.font()).boundingRect(room, Qt::TextWordWrap, longest).height(), hint.height());
    EXPECT_GE(hint.font().pixelSize(), 11);
    session.frame->frmPage()->showHint(QStringLiteral("①式を見ましょう。"));
    EXPECT_EQ(hint.font().pixelSize(), 14) << "a short hint keeps the full size";
}

TEST(FrameLayout, AnswerBoxPlaces) {
    FrameSession session({"x+3<5"});
    ui::TfrmPage& page = *session.frame->frmPage();
    struct Case {
        int line;
        QPoint at;
    };
    // In the row after the last line; where that would reach below the
    // sheet, at the top of the next column, which is empty.
    const QPoint nextColumn = page.lineImage(8)->pos();
    const std::vector<Case> cases = {{1, {8, 144}}, {3, {8, 296}}, {5, nextColumn}, {6, nextColumn},
                                     {7, nextColumn}, {8, {429, 144}}, {11, {429, 372}}, {13, {429, 524}}};
    for (const Case& tc : cases) {
        page.placeAnswerBox(tc.line);
        EXPECT_EQ(page.grbKai->pos(), tc.at) << "line " << tc.line;
        EXPECT_TRUE(page.grbKai->isVisible());
    }
    EXPECT_EQ(page.grbKai->size(), QSize(297, 201));  // room for the number line
    EXPECT_EQ(page.Image16->geometry(), QRect(14, 24, 272, 156));
    EXPECT_EQ(page.lineImage(15), nullptr);
    EXPECT_EQ(page.lineImage(16), page.Image16);
}

TEST(FrameLayout, ControlPanel) {
    FrameSession session({"x+3<5"});
    struct Case {
        const char* name;
        QRect geometry;
        const char* caption;
        const char* hint;
    };
    const std::vector<Case> cases = {
        {"btnShiki1", {8, 8, 25, 25}, "①", "①式"},
        {"btnShiki12", {8, 272, 25, 25}, "⑫", ""},
        {"btnKake", {8, 11, 25, 25}, "", ""},
        {"btnWaru", {8, 43, 25, 25}, "", ""},
        {"btnTasu", {8, 73, 25, 25}, "", ""},
        {"btnHiku", {8, 105, 25, 25}, "", ""},
        {"btnKakko", {40, 16, 49, 33}, "かっこ", "かっこをはずす"},
        {"btnSeiri", {40, 56, 49, 33}, "整理", "同類項を計算して簡単にする"},
        {"btnIkou", {40, 96, 49, 33}, "移項", "移項する"},
        {"btnJikkou", {40, 152, 97, 33}, "実行", ""},
        {"btnTeisei", {40, 192, 97, 33}, "訂正", ""},
        {"btn7", {10, 40, 25, 25}, "7", ""},
        {"btn9", {62, 40, 25, 25}, "９", ""},
        {"btn4", {10, 64, 25, 25}, "４", ""},
        {"btn3", {62, 88, 25, 25}, "３", ""},
        {"btn0", {10, 112, 25, 25}, "０", ""},
        {"btnDecimal", {36, 112, 25, 25}, "．", ""},
        {"btnMinus", {62, 112, 25, 25}, "-", ""},
        {"btnClear", {10, 137, 25, 25}, "CL", "クリアする"},
        {"btnBunsu", {36, 137, 25, 25}, "分の", "分数の入力"},
        {"btnMoji", {62, 137, 25, 25}, "x", "文字を入力する"},
        {"btnNext", {40, 408, 97, 33}, "次の問題", "次の問題に移ります"},
        {"BitBtn1", {40, 448, 97, 33}, "単元選択 ", ""},
        {"btnKiroku", {40, 488, 97, 33}, "練習の記録", ""},
        {"btnHint", {40, 528, 97, 33}, "ヒント", "次にすることのヒントを出します (H)"},
    };
    for (const Case& tc : cases) {
        auto* b = session.frame->pnlMain()->findChild<QPushButton*>(QString::fromLatin1(tc.name));
        ASSERT_NE(b, nullptr) << tc.name;
        EXPECT_EQ(b->geometry(), tc.geometry) << tc.name;
        EXPECT_EQ(b->text(), QString::fromUtf8(tc.caption)) << tc.name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(tc.hint)) << tc.name;
    }
    ui::ControlPanel& p = *session.frame->pnlMain();
    EXPECT_EQ(p.grbSousa->geometry(), QRect(40, 8, 97, 137));
    EXPECT_EQ(p.grbNumber->geometry(), QRect(40, 232, 97, 169));
    EXPECT_EQ(p.pnlNumber->geometry(), QRect(8, 10, 81, 27));
    EXPECT_EQ(p.pnlNumber->alignment() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_FALSE(p.btnKake->icon().isNull());
    EXPECT_FALSE(p.btnJikkou->icon().pixmap(25, QIcon::Disabled).isNull());
    const QFontInfo moji(p.btnMoji->font());
    EXPECT_TRUE(moji.italic());
    EXPECT_EQ(moji.pixelSize(), 24);
    EXPECT_EQ(QFontInfo(p.btnShiki[1]->font()).family(), "IPAPGothic");
}

TEST(FrameLayout, TitleAndMenu) {
    FrameSession session({"x+3<5"});
    EXPECT_EQ(session.frame->windowTitle(), "Merulan Talvoren");
    const std::vector<std::pair<QString, QStringList>> expected = {
        {"ファイル(&F)", {"開く(&O)", "保存(&S)", "", "印刷(&P)", "印刷プレビュー(&V)", "問題プリントを印刷(&Q)", "解答を印刷(&K)", "",
                          "終了(&X)"}},
        {"編集(&E)", {"編集(&E)"}},
        {"表示(&V)", {"練習の記録(&R)", "スタック(&S)", "拡大(&Z)", "読み上げ(&Y)", "", "記録フォルダ(&F)...",
                      "ログイン名で記録する(&L)"}},
        {"問題変更(&C)", {"次の問題(&N)", "単元選択(&S)", "もっと練習(&M)", "", "計算も自分で(&W)"}},
        {"ヘルプ(&H)", {"ヒント(&I)\tH", "", "使い方(&U)", "ポイント(&P)", "", "バージョン情報(&A)"}},
    };
    const QList<QAction*> menus = session.frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(menus[i]->text(), expected[i].first);
        QStringList items;
        for (QAction* a : menus[i]->menu()->actions()) items << a->text();
        EXPECT_EQ(items, expected[i].second) << expected[i].first.toStdString();
    }
    for (const char* name : {"mnuOpen", "mnuSave", "mnuPrint", "mnuPrintPreview", "mnuEnd", "mnuEditCWare", "mnuShowRecord",
                             "mnuDispStack", "KN1", "mnuTangen", "mnuHint", "mnuUsage", "mnuPoint", "mnuVersion"})
        EXPECT_NE(session.frame->findChild<QAction*>(QString::fromLatin1(name)), nullptr) << name;
}

// Records which dialog the frame asked for.
class RecordingDialogs : public ui::Dialogs {
public:
    explicit RecordingDialogs(std::vector<std::string>& calls) : calls_(calls) {}
    void mnuPrintClick(const ui::ProgramState&) override { calls_.push_back("print"); }
    void mnuPrintSheetClick(const ui::ProgramState&, bool everyUnit) override {
        calls_.push_back(everyUnit ? "sheet all" : "sheet unit");
    }
    void mnuPrintKeyClick(const ui::ProgramState&, bool everyUnit) override {
        calls_.push_back(everyUnit ? "key all" : "key unit");
    }
    void mnuShowRecordClick(const ui::ProgramState&) override { calls_.push_back("records"); }
    void mnuDispStackClick(const ui::ProgramState&) override { calls_.push_back("stack"); }
    void mnuVersionClick(const ui::ProgramState&) override { calls_.push_back("version"); }
    void showHelp(const ui::ProgramState&, int context) override { calls_.push_back("help " + std::to_string(context)); }

private:
    std::vector<std::string>& calls_;
};

TEST(FrameWiring, TheDialogsOfTheMenu) {
    std::vector<std::string> calls;
    FrameSession session({"x+3<5"}, QSize(1024, 768), std::make_unique<RecordingDialogs>(calls));
    calls.clear();
    ui::TfrmMain& f = *session.frame;
    for (QAction* a : {menuEntry(f, "mnuPrint"), menuEntry(f, "mnuShowRecord"), menuEntry(f, "mnuDispStack"), menuEntry(f, "mnuUsage"), menuEntry(f, "mnuPoint"), menuEntry(f, "mnuVersion"),
                       menuEntry(f, "mnuPrintSheetUnit"), menuEntry(f, "mnuPrintSheetAll"), menuEntry(f, "mnuPrintKeyUnit"), menuEntry(f, "mnuPrintKeyAll")})
        a->trigger();
    f.pnlMain()->btnKiroku->click();
    pressKey(f, Qt::Key_F1);
    EXPECT_EQ(calls, (std::vector<std::string>{"print", "records", "stack", "help 224", "help 230", "version",
                                               "sheet unit", "sheet all", "key unit", "key all", "records",
                                               "help 100"}));
    // The current unit's entries name it.
    auto* sheetMenu = qobject_cast<QMenu*>(menuEntry(f, "mnuPrintSheetUnit")->parent());
    ASSERT_NE(sheetMenu, nullptr);
    emit sheetMenu->aboutToShow();
    EXPECT_EQ(menuEntry(f, "mnuPrintSheetUnit")->text(), QStringLiteral("この単元「テスト」(&C)"));
    EXPECT_EQ(menuEntry(f, "mnuPrintKeyUnit")->text(), QStringLiteral("この単元「テスト」(&C)"));
}

TEST(FrameWiring, NextQuestionMenuEntryAsksBeforeTheQuestionIsSolved) {
    FrameSession session({"x+3<5", "x-4>2"});
    session.sink.answers = {Answer::no, Answer::yes};
    menuEntry(*session.frame, "KN1")->trigger();
    EXPECT_EQ(session.frame->core().lines[1].caption, "（1） 次の不等式を解きなさい");
    menuEntry(*session.frame, "KN1")->trigger();
    EXPECT_EQ(session.frame->core().lines[1].caption, "（2） 次の不等式を解きなさい");
    EXPECT_EQ(session.sink.shown, (std::vector<std::string>(2, "[確認] まだ解が出ていませんが次の問題に進みますか")));
}

TEST(FrameStart, MissingQuestionSetIsFatalAndEndsTheProgram) {
    FrameSession session({});
    ASSERT_EQ(session.sink.shown.size(), 1u);
    EXPECT_EQ(session.sink.shown[0],
              "問題ファイルが見つかりません。探した場所：" + session.dir.dir() + "Question.ine");
    EXPECT_FALSE(session.frame->started());
    QApplication::processEvents();  // the close waits for the start-up handler to return
    EXPECT_FALSE(session.frame->isVisible());
    EXPECT_EQ(session.frame->frmGreet(), nullptr);
}

TEST(FrameStart, InvalidQuestionIsFatal) {
    FrameSession session({"2<3"});
    // One message names the file, the line, the question and why.
    EXPECT_EQ(session.sink.shown,
              std::vector<std::string>{session.dir.dir() + "Question.ine:2行目:問題が不正です87:致命的なエラーです"
                                                            "（2<3：moji：文字（x など）がありません）"});
    QApplication::processEvents();
    EXPECT_FALSE(session.frame->isVisible());
}

TEST(FrameStart, FirstQuestionIsOnThePage) {
    FrameSession session({"x+3<5", "2x<6"});
    ui::TfrmMain& f = *session.frame;
    EXPECT_EQ(f.frmPage()->lblMess->text(), "式を指定してください");
    EXPECT_EQ(f.pageWindow()->windowTitle(), "テスト");
    EXPECT_EQ(f.core().lines[1].caption, "（1） 次の不等式を解きなさい");
    const QImage& image1 = f.frmPage()->Image[1]->image();
    EXPECT_GT(countPixels(image1, inked), 100);
    // The caption in the top band, the label ① at the right edge.
    EXPECT_GT(countPixels(image1.copy(0, 0, 200, 17), inked), 20);
    EXPECT_GT(countPixels(image1.copy(image1.width() - 32, 31, 20, 17), inked), 10);
    EXPECT_EQ(countPixels(f.frmPage()->Image[2]->image(), inked), 0);
    EXPECT_TRUE(f.pnlMain()->btnShiki[1]->isEnabled());
    EXPECT_FALSE(f.pnlMain()->btnShiki[2]->isEnabled());
    EXPECT_FALSE(f.pnlMain()->btnJikkou->isEnabled());
    EXPECT_EQ(f.frmGreet(), nullptr);  // the greeting has gone
    EXPECT_TRUE(session.sink.shown.empty());
}

}  // namespace
}  // namespace talvoren::test
