// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's menu shortcuts, and a question set given on the command line,
// which the frame opens after start-up with the open command's checks.
#include <QAction>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

#include <map>

#include "dialogs_support.h"
#include "frame_support.h"

namespace talvoren::ui {
namespace {

using test::menuEntry;

const std::vector<std::string> defaultSet = test::unitLines("既定", {"2x+1<5", "x-4>2"});

// The frame in a scratch directory whose Question.ine is defaultSet,
// started with `given` (a name in that directory) on its command line.
class GivenFile : public ::testing::Test {
protected:
    void start(const std::string& given) {
        test::writeQuestionSet(dir.file("Question.ine"), defaultSet);
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir.dir()));
        FrameOptions options;
        options.screen = QSize(1024, 768);
        options.messages = &sink;
        options.openAtStart = dir.file(given);
        frame = std::make_unique<TfrmMain>(std::move(options));
        frame->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        frame.reset();
        QDir::setCurrent(previousDir_);
    }
    std::string pageCaption() const { return frame->pageWindow()->windowTitle().toStdString(); }

    test::ScratchDir dir;
    test::RecordingSink sink;
    std::unique_ptr<TfrmMain> frame;

private:
    QString previousDir_;
};

TEST_F(GivenFile, AValidSetStartsAtItsFirstQuestion) {
    const auto given = test::joinUnits({test::unitLines("かっこ", {"2(x+1)<8"}), test::unitLines("分数", {"x/2<1"})});
    test::writeQuestionSet(dir.file("given.ine"), given);
    start("given.ine");
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(frame->courseware().questionSetText(), given);
    EXPECT_EQ(pageCaption(), "かっこ");
    EXPECT_EQ(frame->courseware().questionSetPath(), dir.file("given.ine")) << "保存 proposes the given file";
    EXPECT_TRUE(frame->courseware().questionSetSaved());
}

TEST_F(GivenFile, AnInvalidOrMissingSetIsReportedAndTheDefaultStays) {
    test::writeBytes(dir.file("bad.ine"), "<<A\r\n>>\r\n");
    const std::map<std::string, std::string> said{
        {"bad.ine", ":2行目:問題が不正です（この単元には問題がありません）"},
        {"missing.ine", ":ファイルが見つかりません"}};
    for (const auto& [name, text] : said) {
        start(name);
        EXPECT_EQ(sink.shown, (std::vector<std::string>{dir.file(name) + text})) << name;
        EXPECT_TRUE(frame->started()) << name;
        EXPECT_EQ(frame->courseware().questionSetText(), defaultSet) << name;
        EXPECT_EQ(pageCaption(), "既定") << name;
        TearDown();
        sink.shown.clear();
    }
}

TEST(FrameShortcuts, FileMenuEntriesKeepTheirAccessKeys) {
    test::FrameSession session({"x<1"});
    struct Row {
        QAction* action;
        QString text;
        QKeySequence keys;
    };
    const TfrmMain& f = *session.frame;
    const Row rows[] = {
        {menuEntry(f, "mnuOpen"), QStringLiteral("開く(&O)"), QKeySequence(QStringLiteral("Ctrl+O"))},
        {menuEntry(f, "mnuSave"), QStringLiteral("保存(&S)"), QKeySequence(QStringLiteral("Ctrl+S"))},
        {menuEntry(f, "mnuPrint"), QStringLiteral("印刷(&P)"), QKeySequence(QStringLiteral("Ctrl+P"))},
        {menuEntry(f, "mnuEnd"), QStringLiteral("終了(&X)"), QKeySequence(QStringLiteral("Ctrl+Q"))},
    };
    QList<QKeySequence> taken;
    for (QAction* action : session.frame->findChildren<QAction*>())
        if (!action->shortcut().isEmpty()) taken.append(action->shortcut());
    for (const Row& row : rows) {
        EXPECT_EQ(row.action->text(), row.text);
        EXPECT_EQ(row.action->shortcut(), row.keys) << row.text.toStdString();
        EXPECT_EQ(taken.count(row.keys), 1) << row.keys.toString().toStdString() << " is taken once";
    }
}

}  // namespace
}  // namespace talvoren::ui
