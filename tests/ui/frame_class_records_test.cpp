// SPDX-License-Identifier: GPL-3.0-or-later
// The frame with a records folder: the pupil in the title bar, each step in
// their log, 記録 → クラスの記録; without one, none of it.
#include <gtest/gtest.h>

#include <QDir>

#include "courseware/class_folder.h"
#include "frame_support.h"
#include "solving/input_pad.h"

namespace talvoren::test {
namespace {

TEST(FrameClassRecords, PupilNamedAndEveryStepLogged) {
    ScratchDir dir;
    writeQuestionSet(dir.file("Question.ine"), {"<<テスト", "2x<4", ">>"});
    const QString home = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.dir()));
    RecordingSink sink;
    {
        ui::FrameOptions options;
        options.screen = QSize(1024, 768);
        options.messages = &sink;
        options.dialogs = std::make_unique<ui::Dialogs>();
        options.recordsFolder = dir.file("records");
        options.pupil = "山田";
        std::filesystem::create_directories(options.recordsFolder);
        ui::TfrmMain frame(std::move(options));
        frame.show();
        QApplication::processEvents();
        EXPECT_TRUE(frame.windowTitle().endsWith(QStringLiteral("山田")));
        EXPECT_NE(menuEntry(frame, "mnuClassRecords"), nullptr);
        Worksheet& ws = FrameInside::worksheet(frame);
        ws.selectLine(1);
        operationButtonClick(ws, OpCode::divide);
        padKey(ws, "2");
        ws.execute();
    }
    QDir::setCurrent(home);
    ClassFolder folder(dir.file("records"));
    folder.refresh();
    std::vector<std::string> kinds;
    for (const ClassEvent& e : folder.logs().at("山田").events) kinds.emplace_back(eventKindName(e.kind));
    EXPECT_EQ(kinds, (std::vector<std::string>{"start", "step", "solved"}));
    EXPECT_TRUE(sink.shown.empty());
}

TEST(FrameClassRecords, NothingWithoutARecordsFolder) {
    FrameSession session({"2x<4"});
    EXPECT_EQ(menuEntry(*session.frame, "mnuClassRecords"), nullptr);
    EXPECT_EQ(session.frame->windowTitle(), QStringLiteral("Merulan Talvoren"));
}

}  // namespace
}  // namespace talvoren::test
