// SPDX-License-Identifier: GPL-3.0-or-later
// 読み上げ and the names a screen reader finds: the setting is off until
// chosen and is kept; a missing engine is told once and nothing is said;
// a drawn line names its image and its button.

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

#include "frame_support.h"
#include "ui/line_image.h"
#include "ui/read_aloud.h"
#include "ui/zoom.h"

namespace talvoren::ui {
namespace {

struct ScratchConfig : ::testing::Test {
    test::ScratchDir dir;
    QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.dir()));
        qputenv("TALVOREN_SPEECH_ENGINE", "no-such-engine");
    }
    void TearDown() override {
        qunsetenv("TALVOREN_SPEECH_ENGINE");
        if (previous.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", previous);
    }
};

TEST_F(ScratchConfig, MissingEngineIsToldOnceAndOnlyWhenOn) {
    QStringList told;
    ReadAloud readAloud([&](const QString& text) { told << text; });
    readAloud.say("にエックス しょうなり ご");
    EXPECT_TRUE(told.isEmpty()) << "off: nothing is said or told";
    readAloud.setOn(true);
    readAloud.say("にエックス しょうなり ご");
    readAloud.say("エックス しょうなり いち");
    EXPECT_EQ(told, QStringList{QString::fromUtf8(noSpeechEngineText)});
}

TEST_F(ScratchConfig, SettingIsOffUntilChosenAndKept) {
    EXPECT_FALSE(savedReadAloud());
    QMenu view;
    test::RecordingSink sink;
    ReadAloud readAloud([](const QString&) {});
    QAction* action = addReadAloudAction(&view, readAloud, sink);
    EXPECT_FALSE(action->isChecked());
    action->trigger();
    EXPECT_TRUE(readAloud.isOn());
    EXPECT_TRUE(savedReadAloud());
    action->trigger();
    EXPECT_FALSE(savedReadAloud());
    EXPECT_TRUE(sink.shown.empty());
}

TEST(ScreenReaderNames, DrawnLineNamesItsImageAndButton) {
    test::FrameSession session({"-1/2x+3>=0.5"});  // decimals shown as decimals
    const auto* image = session.frame->findChild<LineImage*>(QStringLiteral("Image1"));
    const auto* button = session.frame->findChild<QPushButton*>(QStringLiteral("btnShiki1"));
    ASSERT_TRUE(image && button);
    EXPECT_EQ(image->accessibleName(), QStringLiteral("①式 −0.5x+3≧0.5"));
    EXPECT_EQ(button->accessibleDescription(), image->accessibleName());
    const auto* empty = session.frame->findChild<LineImage*>(QStringLiteral("Image13"));
    EXPECT_EQ(empty->accessibleName(), QStringLiteral("⑬式"));
}

}  // namespace
}  // namespace talvoren::ui
