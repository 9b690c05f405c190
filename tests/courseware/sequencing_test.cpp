// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/sequencing.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "solving/input_pad.h"
#include "solving/operations.h"
#include "solving/silent_session.h"
#include "support.h"

namespace talvoren {
namespace {

// Records only what sequencing itself asks of the page.
class FakePage : public SilentPage {
public:
    void showNextGlyph(int which) override { glyphs.push_back(which); }
    void setPageCaption(const std::string& text) override { caption = text; }

    std::string caption;
    std::vector<int> glyphs;
};

// Answers like TfrmMondai: on OK it sets the unit and question chosen.
class FakeUnitDialog : public UnitDialog {
public:
    explicit FakeUnitDialog(CoursewareState& s) : s_(s) {}
    bool showModal() override {
        ++shown;
        if (!choice) return false;
        s_.chooseUnit(choice->first, choice->second);
        return true;
    }
    std::optional<std::pair<int, int>> choice;
    int shown = 0;

private:
    CoursewareState& s_;
};

const std::string threeUnits =
    "<<一\r\nx+1<3\r\n2x>4\r\n>>\r\n<<二\r\na<1\r\n3a>=6\r\n-a<2\r\n>>\r\n<<三\r\nx<3\r\n>>\r\n";

class Sequence : public ::testing::Test {
protected:
    Sequence() { test::writeBytes(dir.file("set.ine"), test::cp932(threeUnits)); }

    test::ScratchDir dir;
    test::RecordingSink sink;
    CoreState core{sink};
    CoursewareState s;
    FakePage page;
    Worksheet worksheet{core, page};
    FakeUnitDialog dialog{s};
    PracticeRecords records{dir.dir(), sink, [] { return LocalTime{2026, 12, 7, 9, 5}; }};
    Sequencing sequencing{s, worksheet, dialog, records};

    void load() { ASSERT_EQ(sequencing.loadQuestionSet(dir.file("set.ine")), LoadOutcome::started); }
    // As if the pupil had answered the page's question.
    void markAnswered() {
        PageState state = worksheet.pageState();
        state.worksheet.answerKind = AnswerKind::solved;
        worksheet.restore(state);
    }
    const std::string& header() const { return core.lines[1].caption; }
};

TEST_F(Sequence, LoadingStartsUnitOneQuestionOne) {
    s.chooseUnit(3, 1);
    s.chooseUnit(2, 3);
    s.chooseUnit(3, 1);
    load();
    EXPECT_EQ(s.currentUnit(), 1);
    EXPECT_EQ(s.unitPosition()[2], 1);
    EXPECT_EQ(page.caption, "一");
    EXPECT_EQ(header(), "（1） 次の不等式を解きなさい");
    EXPECT_EQ(worksheet.description(), "式を指定してください");
    EXPECT_EQ(s.questionSetPath(), dir.file("set.ine"));
}

struct StartUpCase {
    const char* name;
    std::string bytes;  // written as set.ine; "" with `missing` for no file
    bool missing;
    std::string fatal;  // "%" stands for the file's path
};

class StartUp : public Sequence, public ::testing::WithParamInterface<StartUpCase> {};

TEST_P(StartUp, ASetThatCannotBeLoadedIsFatal) {
    const std::string path = dir.file("start.ine");
    if (!GetParam().missing) test::writeBytes(path, GetParam().bytes);
    std::string fatal = GetParam().fatal;
    if (const auto at = fatal.find('%'); at != std::string::npos) fatal.replace(at, 1, path);
    EXPECT_EQ(sequencing.startUp(path), std::optional(fatal));
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartUp,
    ::testing::Values(
        StartUpCase{"missing", "", true, "問題ファイルが見つかりません。探した場所：%"},
        StartUpCase{"bad_structure", "<<A\r\n>>\r\n", false, "%:2行目:問題が不正です0:致命的なエラーです（この単元には問題がありません）"},
        StartUpCase{"first_question_refused", "\r\n<<A\r\n2<3\r\n>>\r\n", false,
                    "%:3行目:問題が不正です87:致命的なエラーです（2<3：moji：文字（x など）がありません）"},
        StartUpCase{"first_unit_without_questions", "<<A\r\n<<B\r\nx<1\r\n>>\r\n", false,
                    "%:問題が不正です0:致命的なエラーです（最初の単元に問題がありません）"},
        StartUpCase{"not_code_page_932", "<<A\r\n\x82\r\n>>\r\n", false,
                    "%:問題が不正です0:致命的なエラーです"},
        StartUpCase{"beyond_the_bounds", std::string(10001, '\n'), false,
                    "%:ファイルが大きすぎます（1 MB、10000行まで）0:致命的なエラーです"}),
    [](const auto& info) { return std::string(info.param.name); });

// Without Question.ine in the working directory an installed program loads
// its installed set; the message names every place looked at.
struct FallbackCase {
    const char* name;
    bool installedThere;
    std::string given;  // a set named at start-up is never replaced
    std::optional<std::string> fatal;  // "%" the working directory's set, "#" the installed one
};

class InstalledSet : public Sequence, public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(InstalledSet, StandsInForAMissingSet) {
    const FallbackCase& c = GetParam();
    test::ScratchDir installed;
    const std::string installedSet = installed.file("Question.ine");
    if (c.installedThere) test::writeBytes(installedSet, test::cp932(threeUnits));
    const std::string given = c.given.empty() ? "" : dir.file(c.given);
    const auto fatal = sequencing.startUp(given, installedSet);
    std::optional<std::string> expected = c.fatal;
    if (expected) {
        const std::string looked = given.empty() ? workingDirectory() + "Question.ine" : given;
        expected->replace(expected->find('%'), 1, looked);
        if (const auto at = expected->find('#'); at != std::string::npos) expected->replace(at, 1, installedSet);
    }
    EXPECT_EQ(fatal, expected);
    if (!expected) {
        EXPECT_EQ(s.questionSetPath(), installedSet);
        EXPECT_EQ(page.caption, "一");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, InstalledSet,
    ::testing::Values(FallbackCase{"installed_set_loaded", true, "", std::nullopt},
                      FallbackCase{"installed_set_missing_too", false, "",
                                   "問題ファイルが見つかりません。探した場所：%、#"},
                      FallbackCase{"given_set_missing", true, "given.ine", "問題ファイルが見つかりません。探した場所：%"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Sequence, AUtf8SetAcceptedAtStartUpIsLeftToBeSavedAsShiftJis) {
    test::writeBytes(dir.file("utf8.ine"), threeUnits);
    sink.answers = {Answer::yes};
    EXPECT_EQ(sequencing.startUp(dir.file("utf8.ine")), std::nullopt);
    EXPECT_EQ(page.caption, "一");
    EXPECT_FALSE(s.questionSetSaved());
}

TEST_F(Sequence, StartUpFixesTheFoldersAndLoadsTheSet) {
    EXPECT_EQ(sequencing.startUp(dir.file("set.ine")), std::nullopt);
    EXPECT_EQ(s.appDir(), workingDirectory());
    EXPECT_EQ(s.recordDir(), recordDirFor(s.appDir()));
    EXPECT_EQ(records.path(), s.recordDir() + "kessavir.rec");
    EXPECT_EQ(page.caption, "一");
}

TEST_F(Sequence, AQuestionSetTextStartsAsAFileWould) {
    EXPECT_EQ(sequencing.startUpWithText({"<<test", "2x<4", ">>"}), std::nullopt);
    EXPECT_EQ(page.caption, "test");
    EXPECT_EQ(s.questionSetPath(), s.appDir() + "Question.ine");
    EXPECT_EQ(sequencing.startUpWithText({"<<test", "", ">>"}),
              std::optional<std::string>("問題が不正です0:致命的なエラーです（空の行です）"));
    EXPECT_EQ(sequencing.startUpWithText({"<<test", "2<4", ">>"}),
              std::optional<std::string>("問題が不正です87:致命的なエラーです（2<4：moji：文字（x など）がありません）"));
}

TEST_F(Sequence, NextQuestionMovesOnWithinTheUnit) {
    load();
    markAnswered();
    sequencing.nextQuestion();
    EXPECT_EQ(s.unitPosition()[1], 2);
    EXPECT_EQ(header(), "（2） 次の不等式を解きなさい");
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_FALSE(worksheet.state().solvedFlag);
    EXPECT_FALSE(worksheet.blinkTimerOn());
    EXPECT_EQ(page.glyphs, std::vector<int>{0});
}

TEST_F(Sequence, NextQuestionBeforeSolvingAsksFirst) {
    load();
    sink.answers = {Answer::no};
    sequencing.nextQuestion();
    EXPECT_EQ(sink.shown, std::vector<std::string>{"[確認] まだ解が出ていませんが次の問題に進みますか"});
    EXPECT_EQ(s.unitPosition()[1], 1);
    EXPECT_EQ(worksheet.state().lineCount, 1);
    sink.answers = {Answer::yes};
    sequencing.nextQuestion();
    EXPECT_EQ(s.unitPosition()[1], 2);
}

TEST_F(Sequence, TheEndOfAUnitOffersTheUnitDialog) {
    load();
    s.chooseUnit(1, 2);
    markAnswered();
    sink.answers = {Answer::no};
    sequencing.nextQuestion();
    EXPECT_EQ(sink.shown, std::vector<std::string>{"[確認] 終了しました。単元を変えますか"});
    EXPECT_EQ(dialog.shown, 0);
    EXPECT_EQ(s.unitPosition()[1], 2);

    sink.answers = {Answer::yes};
    dialog.choice = {2, 3};
    sequencing.advanceQuestion();
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(s.currentUnit(), 2);
    EXPECT_EQ(header(), "（3） 次の不等式を解きなさい");
    EXPECT_EQ(core.unknownLetter, 'a');
    EXPECT_EQ(page.caption, "二");
}

TEST_F(Sequence, CancellingTheUnitDialogKeepsThePage) {
    load();
    sequencing.chooseUnit();
    EXPECT_EQ(core.unknownLetter, 'x');
    EXPECT_EQ(worksheet.state().lineCount, 1);
    EXPECT_EQ(s.currentUnit(), 1);
}

// The last question of a unit solved (x+1<3: ① 移項, ② 整理 gives x<2), then
// 次の問題 without moving on: the page stays solved, with nothing to take back.
struct StayCase {
    const char* name;
    std::deque<Answer> answers;
};

class StayingPut : public Sequence, public ::testing::WithParamInterface<StayCase> {};

TEST_P(StayingPut, LeavesTheSolvedPageAsItWas) {
    test::writeBytes(dir.file("one.ine"), "<<A\r\nx+1<3\r\n>>\r\n");
    ASSERT_EQ(sequencing.loadQuestionSet(dir.file("one.ine")), LoadOutcome::started);
    for (OpCode op : {OpCode::transpose, OpCode::collect}) {
        worksheet.selectLine(worksheet.state().lineCount);
        operationButtonClick(worksheet, op);
        worksheet.execute();
    }
    ASSERT_EQ(worksheet.state().answerKind, AnswerKind::solved);
    ASSERT_TRUE(worksheet.state().solvedFlag);

    sink.answers = GetParam().answers;  // the unit dialog is cancelled
    sequencing.nextQuestion();
    EXPECT_TRUE(worksheet.state().solvedFlag);
    EXPECT_TRUE(worksheet.blinkTimerOn());
    EXPECT_EQ(worksheet.state().answerKind, AnswerKind::solved);
    EXPECT_TRUE(page.glyphs.empty());

    worksheet.correct();
    EXPECT_EQ(worksheet.state().lineCount, 3);
    EXPECT_EQ(worksheet.description(), "解が出ました");
}

INSTANTIATE_TEST_SUITE_P(Answers, StayingPut,
                         ::testing::Values(StayCase{"no_to_changing_unit", {Answer::no}},
                                           StayCase{"unit_dialog_cancelled", {Answer::yes}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Sequence, OkOnAUnitWithoutQuestionsIsRefused) {
    test::writeBytes(dir.file("open.ine"), "<<A\r\nx<5\r\n>>\r\n<<B\r\nx<1\r\n");
    ASSERT_EQ(sequencing.loadQuestionSet(dir.file("open.ine")), LoadOutcome::started);
    s.chooseUnit(1, 1);
    dialog.choice = {2, 1};
    sequencing.chooseUnit();
    EXPECT_EQ(sink.shown, std::vector<std::string>{noQuestionsInUnitMessage});
    EXPECT_EQ(s.currentUnit(), 1);
    EXPECT_EQ(core.unknownLetter, 'x');
    EXPECT_EQ(worksheet.state().lineCount, 1);
}

TEST_F(Sequence, TheBlinkAlternationGoesOnWhereItStopped) {
    load();
    sequencing.blink();
    sequencing.blink();
    sequencing.blink();
    markAnswered();
    sequencing.nextQuestion();  // shows imgNextQ without touching the alternation
    sequencing.blink();
    EXPECT_EQ(page.glyphs, (std::vector<int>{0, 1, 0, 0, 1}));
}

TEST_F(Sequence, ASolvedQuestionIsCountedForTheCurrentUnitAndPosition) {
    load();
    dialog.choice = {2, 2};
    sequencing.chooseUnit();
    EXPECT_TRUE(sequencing.questionSolved());
    EXPECT_EQ(test::readBytes(records.path()),
              test::cp932("[二]\r\n2=1\r\nDATE=2026年12月07日09:05\r\n"));
}

TEST_F(Sequence, AQuestionSolvedAtTheStartAsksBeforeMovingOn) {
    test::writeBytes(dir.file("solved.ine"), "<<A\r\nx<3\r\nx>1\r\n>>\r\n");
    ASSERT_EQ(sequencing.loadQuestionSet(dir.file("solved.ine")), LoadOutcome::started);
    EXPECT_TRUE(worksheet.state().solvedFlag);
    EXPECT_EQ(worksheet.state().answerKind, AnswerKind::none);
    sink.answers = {Answer::yes};
    sequencing.nextQuestion();
    EXPECT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(s.unitPosition()[1], 2);
}

TEST_F(Sequence, LoadingReportsWhatWentWrong) {
    test::writeBytes(dir.file("bad.ine"), "<<A\r\n\x82\r\n");
    EXPECT_EQ(sequencing.loadQuestionSet(dir.file("none.ine")), LoadOutcome::missing);
    EXPECT_EQ(sequencing.loadQuestionSet(dir.file("bad.ine")), LoadOutcome::notCp932);
    EXPECT_EQ(sequencing.loadQuestionSet(dir.dir()), LoadOutcome::unreadable);
    test::writeBytes(dir.file("bad.ine"), "<<A\r\nx=1\r\n>>\r\n");
    EXPECT_EQ(sequencing.loadQuestionSet(dir.file("bad.ine")), LoadOutcome::invalid);
}

}  // namespace
}  // namespace talvoren
