// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/file_flows.h"
#include "courseware/set_reading.h"

#include <gtest/gtest.h>

#include "support.h"

namespace talvoren {
namespace {

class FakeWindows : public FlowWindows {
public:
    std::optional<std::string> askOpenPath(const std::string& proposed) override {
        log.push_back("open dialog " + proposed);
        return openAnswer;
    }
    std::optional<std::string> askSavePath(const std::string& proposed) override {
        log.push_back("save dialog " + proposed);
        return saveAnswer;
    }
    bool showEditor() override {
        log.push_back("editor");
        if (editInEditor) editInEditor();
        return editorOk;
    }
    void setEditorCaption(const std::string& path) override { log.push_back("caption " + path); }
    void fatalError(const std::string& text) override { log.push_back("fatal " + text); }

    std::optional<std::string> openAnswer, saveAnswer;
    bool editorOk = true;
    std::function<void()> editInEditor;
    std::vector<std::string> log;
};

// Loads as the sequencing does, without a worksheet: read, parse, start.
class FakeRunner : public QuestionSetRunner {
public:
    FakeRunner(CoursewareState& s, MessageSink& sink, std::vector<std::string>& log)
        : s_(s), sink_(sink), log_(log) {}
    LoadOutcome loadQuestionSet(const std::string& path) override {
        const SetReading reading = readQuestionSetForUse(s_, path, sink_);
        switch (reading.status) {
        case ReadStatus::ok: break;
        case ReadStatus::missing: return LoadOutcome::missing;
        case ReadStatus::notCp932: return LoadOutcome::notCp932;
        case ReadStatus::unreadable: return LoadOutcome::unreadable;
        case ReadStatus::tooLarge: return LoadOutcome::tooLarge;
        }
        if (!parseQuestionSet(s_, sink_) || !startQuestionSet()) return LoadOutcome::invalid;
        return reading.fromUtf8 ? LoadOutcome::startedFromUtf8 : LoadOutcome::started;
    }
    bool startQuestionSet() override {
        log_.push_back("start");
        if (!startSucceeds) return false;
        s_.startAtFirstUnit();
        return true;
    }
    void showUnitTitle() override { log_.push_back("title " + s_.unitTitles()[s_.currentUnit()]); }
    void chooseUnit() override { log_.push_back("choose unit"); }
    bool startSucceeds = true;

private:
    CoursewareState& s_;
    MessageSink& sink_;
    std::vector<std::string>& log_;
};

const std::vector<std::string> oldSet{"<<旧", "x<1", "x<2", ">>"};

class Flows : public ::testing::Test {
protected:
    Flows() {
        s.setText(oldSet);
        parseQuestionSet(s, sink);
        s.setPath(dir.file("old.ine"));
        s.chooseUnit(1, 2);
        test::writeBytes(dir.file("new.ine"), test::cp932("<<新\r\nx>3\r\n>>\r\n"));
    }
    test::ScratchDir dir;
    test::RecordingSink sink;
    CoreState core{sink};
    CoursewareState s;
    FakeWindows windows;
    FakeRunner runner{s, sink, windows.log};
    FileFlows flows{s, core, windows, runner};

    // Opens new.ine over unsaved edits, answering the save question.
    void openOverUnsavedEdits(std::optional<std::string> saveAs, Answer answer) {
        s.setSaved(false);
        windows.openAnswer = dir.file("new.ine");
        windows.saveAnswer = std::move(saveAs);
        sink.answers = {answer};
        flows.openSet();
    }

    void expectOldSetInForce() {
        EXPECT_EQ(s.questionSetText(), oldSet);
        EXPECT_EQ(s.unitTitles()[1], "旧");
        EXPECT_EQ(s.unitPosition()[1], 2);
    }
};

TEST_F(Flows, OpeningAValidFileStartsItAndOffersTheUnitDialog) {
    windows.openAnswer = dir.file("new.ine");
    s.setSaved(true);
    flows.openSet();
    EXPECT_EQ(windows.log, (std::vector<std::string>{"open dialog " + dir.file("old.ine"), "start",
                                                     "choose unit"}));
    EXPECT_EQ(s.unitTitles()[1], "新");
    EXPECT_EQ(s.questionSetPath(), dir.file("new.ine"));
    EXPECT_TRUE(s.questionSetSaved());
}

TEST_F(Flows, OpeningAFileWithEmptyLinesBetweenUnitsStartsIt) {
    test::writeBytes(dir.file("blank.ine"), test::cp932("<<新\r\nx>3\r\n>>\r\n \r\n<<次\r\nx<1\r\n>>\r\n\r\n"));
    windows.openAnswer = dir.file("blank.ine");
    flows.openSet();
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(s.unitTitles()[2], "次");
    EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "choose unit"), 1);
}

TEST_F(Flows, CancellingTheOpenDialogChangesNothing) {
    flows.openSet();
    expectOldSetInForce();
    EXPECT_TRUE(sink.shown.empty());
}

struct InvalidFileCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> shown;  // "%" stands for the file's path
};

class OpenInvalid : public Flows, public ::testing::WithParamInterface<InvalidFileCase> {};

TEST_P(OpenInvalid, IsReportedAndTheOldSetStaysInForce) {
    test::writeBytes(dir.file("bad.ine"), GetParam().bytes);
    windows.openAnswer = dir.file("bad.ine");
    flows.openSet();
    std::vector<std::string> shown = GetParam().shown;
    for (std::string& text : shown)
        if (const auto at = text.find('%'); at != std::string::npos) text.replace(at, 1, dir.file("bad.ine"));
    EXPECT_EQ(sink.shown, shown);
    expectOldSetInForce();
    EXPECT_EQ(s.questionSetPath(), dir.file("bad.ine"));
    EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "choose unit"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenInvalid,
    ::testing::Values(InvalidFileCase{"bad_structure", "<<A\r\nx<1\r\n<<B\r\n", {"%:問題が不正です"}},
                      InvalidFileCase{"empty_line_inside_a_unit", "<<A\r\nx<1\r\n\r\n>>\r\n",
                                      {"3行目が空の行です。単元の中（<<から>>まで）には空の行を置けません",
                                       "%:問題が不正です"}},
                      InvalidFileCase{"empty_file", "", {"%:問題が不正です"}},
                      InvalidFileCase{"only_blank_lines", "\r\n \r\n", {"%:問題が不正です"}},
                      // Not code page 932: said so, never fatal; UTF-8 may be read as such.
                      InvalidFileCase{"utf8_declined", "<<\xe5\x8d\x98\xe5\x85\x83\r\nx<1\r\n>>\r\n",
                                      {"[確認] " + readAsUtf8Question("%")}},
                      InvalidFileCase{"truncated_character", "<<A\r\nx<1\r\n>>\x82",
                                      {"%：シフトJISのテキストではありません"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Flows, AFileBeyondTheBoundsIsRefusedAndTheOldSetStaysInForce) {
    test::writeBytes(dir.file("big.ine"), std::string((1 << 20) + 1, 'x'));
    windows.openAnswer = dir.file("big.ine");
    flows.openSet();
    EXPECT_EQ(sink.shown, std::vector<std::string>{dir.file("big.ine") +
                                                   ":ファイルが大きすぎます（1 MB、10000行まで）"});
    expectOldSetInForce();
}

TEST_F(Flows, AUtf8SetReadAsSuchIsLeftToBeSavedAsShiftJis) {
    test::writeBytes(dir.file("utf8.ine"), "<<単元\r\nx<1\r\n>>\r\n");
    windows.openAnswer = dir.file("utf8.ine");
    sink.answers = {Answer::yes};
    flows.openSet();
    EXPECT_EQ(s.unitTitles()[1], "単元");
    EXPECT_FALSE(s.questionSetSaved());
    EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "choose unit"), 1);

    windows.saveAnswer = dir.file("utf8.ine");
    EXPECT_TRUE(flows.saveQuestionSet());
    EXPECT_EQ(test::readBytes(dir.file("utf8.ine")), test::cp932("<<単元\r\nx<1\r\n>>\r\n"));
}

TEST_F(Flows, AFileThatCannotBeReadIsFatal) {
    windows.openAnswer = dir.dir();  // a folder cannot be read as a file
    flows.openSet();
    EXPECT_EQ(windows.log.back(), "fatal " + dir.dir() + ":File Can't Load0:致命的なエラーです");
}

TEST_F(Flows, OpeningWithUnsavedEditsSavesThemFirst) {
    openOverUnsavedEdits(dir.file("saved.ine"), Answer::yes);
    EXPECT_EQ(sink.shown, std::vector<std::string>{"[確認] ファイルを保存しますか"});
    EXPECT_EQ(test::readBytes(dir.file("saved.ine")), test::cp932("<<旧\r\nx<1\r\nx<2\r\n>>\r\n"));
    EXPECT_EQ(s.unitTitles()[1], "新");
    EXPECT_TRUE(s.questionSetSaved());
}

TEST_F(Flows, OpeningWithUnsavedEditsAnsweredNoDiscardsThem) {
    openOverUnsavedEdits(std::nullopt, Answer::no);
    EXPECT_EQ(s.unitTitles()[1], "新");
    EXPECT_TRUE(s.questionSetSaved());
}

// When the save that was asked for does not happen (dialog cancelled, write
// failed), the open stops and the edited set stays in force.
TEST_F(Flows, OpeningStopsWhenTheWantedSaveDoesNotHappen) {
    for (const auto& saveAs : {std::optional<std::string>(), std::optional(dir.file("no/dir.ine"))}) {
        sink.shown.clear();
        openOverUnsavedEdits(saveAs, Answer::yes);
        if (saveAs) {
            EXPECT_EQ(sink.shown.back(), "ファイルを保存できませんでした：" + *saveAs + "（No such file or directory）");
        }
        expectOldSetInForce();
        EXPECT_FALSE(s.questionSetSaved());
        EXPECT_EQ(s.questionSetPath(), dir.file("old.ine"));
    }
}

TEST_F(Flows, SavingWritesTheTextAndTakesTheNewName) {
    s.setSaved(false);
    windows.saveAnswer = dir.file("copy.ine");
    EXPECT_TRUE(flows.saveQuestionSet());
    EXPECT_EQ(windows.log, (std::vector<std::string>{"save dialog " + dir.file("old.ine"),
                                                     "caption " + dir.file("copy.ine")}));
    EXPECT_TRUE(s.questionSetSaved());
    EXPECT_EQ(s.questionSetPath(), dir.file("copy.ine"));
}

TEST_F(Flows, ASaveThatFailsChangesNothing) {
    s.setSaved(false);
    test::writeBytes(dir.file("copy.ine"), "old bytes");
    windows.saveAnswer = dir.file("copy.ine");
    test::FailingCalls calls(test::FailingCalls::Point::rename);
    FileFlows failing(s, core, windows, runner, calls);
    EXPECT_FALSE(failing.saveQuestionSet());
    EXPECT_EQ(sink.shown, std::vector<std::string>{"ファイルを保存できませんでした：" + dir.file("copy.ine") +
                                                   "（Invalid cross-device link）"});
    EXPECT_FALSE(s.questionSetSaved());
    EXPECT_EQ(s.questionSetPath(), dir.file("old.ine"));
    EXPECT_EQ(test::readBytes(dir.file("copy.ine")), "old bytes");

    windows.saveAnswer = "";  // an empty name counts as cancelled
    EXPECT_FALSE(flows.saveQuestionSet());
}

TEST_F(Flows, EditingRestartsTheSetAndOffersTheUnitDialog) {
    windows.editInEditor = [this] {
        s.setText({"<<編集後", "x<5", ">>"});
        parseQuestionSet(s, sink);
    };
    flows.editSet();
    EXPECT_EQ(windows.log, (std::vector<std::string>{"editor", "start", "title 編集後", "choose unit"}));
}

TEST_F(Flows, CancellingTheEditorRestoresTheSet) {
    windows.editorOk = false;
    windows.editInEditor = [this] {
        s.setText({"<<編集後", "x<5", ">>"});
        parseQuestionSet(s, sink);
    };
    flows.editSet();
    expectOldSetInForce();
}

TEST_F(Flows, AnEditedSetThatCannotStartIsReportedAndRestored) {
    runner.startSucceeds = false;
    windows.editInEditor = [this] { s.setText({"<<編集後", "x<5", ">>"}); };
    flows.editSet();
    EXPECT_EQ(sink.shown, std::vector<std::string>{"ERROR:RefreshSystem"});
    expectOldSetInForce();
}

struct CloseCase {
    const char* name;
    bool saved;
    std::optional<Answer> answer;
    std::optional<std::string> saveAs;
    bool closes;
};

class CloseQuery : public Flows, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseQuery, AsksOnlyAboutUnsavedEdits) {
    s.setSaved(GetParam().saved);
    if (GetParam().answer) sink.answers = {*GetParam().answer};
    if (GetParam().saveAs) windows.saveAnswer = dir.file(*GetParam().saveAs);
    EXPECT_EQ(flows.mayClose(), GetParam().closes);
    const std::vector<std::string> asked{"[確認] ファイルを保存しますか？"};
    EXPECT_EQ(sink.shown.empty() ? sink.shown : std::vector{sink.shown.front()},
              GetParam().saved ? std::vector<std::string>{} : asked);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CloseQuery,
    ::testing::Values(CloseCase{"saved_closes", true, std::nullopt, std::nullopt, true},
                      CloseCase{"yes_and_saved", false, Answer::yes, "a.ine", true},
                      CloseCase{"yes_but_save_cancelled", false, Answer::yes, std::nullopt, false},
                      CloseCase{"yes_but_save_failed", false, Answer::yes, "no/dir/a.ine", false},
                      CloseCase{"no_closes", false, Answer::no, std::nullopt, true},
                      CloseCase{"cancel_stays", false, Answer::cancel, std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace talvoren
