// SPDX-License-Identifier: GPL-3.0-or-later
// Zoom: the factor for each screen and choice, the settings file that keeps
// the choice, the 拡大 menu, and the page on a screen wider than 1024.

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <optional>

#include "frame_support.h"
#include "ui/frm_page.h"
#include "ui/line_image.h"
#include "ui/zoom.h"

namespace talvoren::ui {
namespace {

TEST(Zoom, FactorByScreenAndChoice) {
    struct Case {
        const char* name;
        ZoomChoice choice;
        QSize screen;
        double factor;
    };
    const std::vector<Case> cases = {
        {"1024 x 768 stays", ZoomChoice::fitScreen, {1024, 768}, 1.0},
        {"800 x 600 is never shrunk", ZoomChoice::fitScreen, {800, 600}, 1.0},
        {"a choice cannot zoom a small screen", ZoomChoice::percent150, {800, 600}, 1.0},
        {"1366 x 768: the height is full already", ZoomChoice::fitScreen, {1366, 768}, 1.0},
        {"1920 x 1080 filled by its height", ZoomChoice::fitScreen, {1920, 1080}, 1080.0 / 768},
        {"1280 x 1024 filled by its width", ZoomChoice::fitScreen, {1280, 1024}, 1.25},
        {"a 200 % desktop's 1920 x 1080", ZoomChoice::fitScreen, {1920, 1080}, 1.40625},
        {"2048 x 1536", ZoomChoice::fitScreen, {2048, 1536}, 2.0},
        {"125 % on 1920 x 1080", ZoomChoice::percent125, {1920, 1080}, 1.25},
        {"100 % on 1920 x 1080", ZoomChoice::percent100, {1920, 1080}, 1.0},
        {"200 % is held to what fits", ZoomChoice::percent200, {1920, 1080}, 1080.0 / 768},
        {"200 % on 3840 x 2160", ZoomChoice::percent200, {3840, 2160}, 2.0},
    };
    for (const Case& tc : cases) EXPECT_DOUBLE_EQ(zoomFactor(tc.choice, tc.screen), tc.factor) << tc.name;
}

// The user's configuration directory, in a scratch directory for the test.
struct ConfigHome : ::testing::Test {
    test::ScratchDir dir;
    QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    void SetUp() override { qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.dir())); }
    void TearDown() override {
        if (previous.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", previous);
    }
};

TEST_F(ConfigHome, ChoiceIsKeptInTheProgramsOwnSettingsFile) {
    EXPECT_EQ(savedZoomChoice(), ZoomChoice::fitScreen) << "no file yet";
    EXPECT_TRUE(zoomSettingsPath().startsWith(QString::fromStdString(dir.dir())));
    EXPECT_EQ(QFileInfo(zoomSettingsPath()).fileName(), QStringLiteral("talvoren.ini"));
    ASSERT_TRUE(saveZoomChoice(ZoomChoice::percent150));
    EXPECT_EQ(savedZoomChoice(), ZoomChoice::percent150);
    ASSERT_TRUE(saveZoomChoice(ZoomChoice::fitScreen));
    EXPECT_EQ(savedZoomChoice(), ZoomChoice::fitScreen);
}

// The factor is set before the one application object is made, from the
// screen the last run saw; only a screen that asks for another factor makes
// the program make its application object again.
TEST(Zoom, ChangeOfTheFactorAStartedRunNeeds) {
    struct Case {
        const char* name;
        ZoomChoice choice;
        QSize screen;
        double applied;
        std::optional<double> change;
    };
    const std::vector<Case> cases = {
        {"1024 x 768, nothing set", ZoomChoice::fitScreen, {1024, 768}, 1.0, std::nullopt},
        {"first run on 1920 x 1080", ZoomChoice::fitScreen, {1920, 1080}, 1.0, 1080.0 / 768},
        {"next run on 1920 x 1080", ZoomChoice::fitScreen, {1920, 1080}, 1080.0 / 768, std::nullopt},
        {"the screen has become smaller", ZoomChoice::fitScreen, {1024, 768}, 1080.0 / 768, 1.0},
        {"a factor within a hundredth stays", ZoomChoice::fitScreen, {1920, 1080}, 1.4, std::nullopt},
        {"100 % chosen on a large screen", ZoomChoice::percent100, {1920, 1080}, 1080.0 / 768, 1.0},
    };
    for (const Case& tc : cases) {
        const std::optional<double> change = zoomChange(tc.choice, tc.screen, tc.applied);
        ASSERT_EQ(change.has_value(), tc.change.has_value()) << tc.name;
        EXPECT_DOUBLE_EQ(change.value_or(0), tc.change.value_or(0)) << tc.name;
    }
}

TEST_F(ConfigHome, LastScreenIsKeptBesideTheChoice) {
    EXPECT_TRUE(lastScreenSize().isEmpty()) << "no file yet";
    ASSERT_TRUE(saveZoomChoice(ZoomChoice::percent125));
    ASSERT_TRUE(saveLastScreenSize(QSize(1920, 1080)));
    EXPECT_EQ(lastScreenSize(), QSize(1920, 1080));
    EXPECT_EQ(savedZoomChoice(), ZoomChoice::percent125) << "the choice stays";
}

TEST_F(ConfigHome, MenuOffersTheChoicesAndSavesTheOneTaken) {
    ASSERT_TRUE(saveZoomChoice(ZoomChoice::percent125));
    test::FrameSession session({"x+3<5"});
    auto* menu = session.frame->menuBar()->findChild<QMenu*>(QStringLiteral("mnuZoom"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("拡大(&Z)"));
    QStringList captions;
    for (QAction* a : menu->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("画面に合わせる(&F)"), QStringLiteral("100 %"),
                                     QStringLiteral("125 %"), QStringLiteral("150 %"), QStringLiteral("200 %")}));
    EXPECT_TRUE(menu->actions()[2]->isChecked());
    // The test screen is no larger than 1024 x 768: only 画面に合わせる and 100 % apply.
    for (int i = 2; i < 5; ++i) {
        EXPECT_FALSE(menu->actions()[i]->isEnabled());
        EXPECT_TRUE(menu->actions()[i]->toolTip().contains(QStringLiteral("拡大できません")));
    }
    menu->actions()[1]->trigger();
    EXPECT_TRUE(menu->actions()[1]->isChecked());
    EXPECT_FALSE(menu->actions()[2]->isChecked());
    EXPECT_EQ(savedZoomChoice(), ZoomChoice::percent100);
}

TEST(Zoom, ChoicesTheScreenCannotTakeSayWhy) {
    struct Case {
        const char* name;
        ZoomChoice choice;
        QSize screen;
        const char* reason;  // "" when the choice applies
    };
    const std::vector<Case> cases = {
        {"fill always applies", ZoomChoice::fitScreen, {640, 480}, ""},
        {"100 % always applies", ZoomChoice::percent100, {800, 600}, ""},
        {"a small screen is not zoomed", ZoomChoice::percent125, {1024, 768},
         "この画面（1024×768）では拡大できません。拡大は 1024×768 より大きい画面で使えます"},
        {"125 % fits 1920 x 1080", ZoomChoice::percent125, {1920, 1080}, ""},
        {"200 % does not fit 1920 x 1080", ZoomChoice::percent200, {1920, 1080},
         "この画面（1920×1080）では 140 %までしか拡大できません"},
        {"200 % fits 3840 x 2160", ZoomChoice::percent200, {3840, 2160}, ""},
    };
    for (const Case& tc : cases) EXPECT_EQ(zoomRefusal(tc.choice, tc.screen), QString::fromUtf8(tc.reason)) << tc.name;
}

TEST(ZoomedLayout, AWideScreenKeepsFourteenLinesInWiderColumns) {
    // 1920 x 1080 zoomed to fill its height is 1366 x 768 layout pixels.
    test::FrameSession session({"x+3<5"}, QSize(1366, 768));
    TfrmPage& page = *session.frame->frmPage();
    EXPECT_EQ(page.lineCapacity, 14);
    const int w = (1366 - 145) / 2 - 20;
    // Below the description line and the hint line (25 + 36 + 5).
    EXPECT_EQ(page.Image[1]->geometry(), QRect(8, 66, w, 75));
    EXPECT_EQ(page.Image[8]->geometry(), QRect(w + 10, 66, w, 75));
    EXPECT_FALSE(page.Image[14]->isHidden());
}

}  // namespace
}  // namespace talvoren::ui
