// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/check.h"

#include <gtest/gtest.h>

#include "core/question_parser.h"

#include "support.h"

namespace talvoren {
namespace {

class Check : public ::testing::Test {
protected:
    test::RecordingSink sink;
    CoreState core{sink};
    CoursewareState s;
    CheckVerdict verdict;

    bool check(std::vector<std::string> text) {
        s.setText(std::move(text));
        return checkQuestionSet(s, core, verdict);
    }
};

TEST_F(Check, APassingSetShowsItsUnitCountAndNone) {
    EXPECT_TRUE(check({"<<一", "x<1", ">>", "<<二", "2x+3<5", "-x>=1/2", ">>", "<<三", "x<3", ">>"}));
    EXPECT_EQ(verdict.unitCount, "3");
    EXPECT_EQ(verdict.result, "☆☆☆　構文チェック成功　☆☆☆");
    EXPECT_EQ(verdict.faultyUnit, "なし");
    EXPECT_EQ(verdict.faultyQuestions, std::vector<std::string>{"なし"});
    EXPECT_TRUE(sink.shown.empty());
}

// The check reads every question on scratch tables: the question on the
// page, its letter, decimal flag and error code stay as they were.
TEST_F(Check, LeavesThePageAsItWas) {
    ASSERT_TRUE(parseQuestion(core, 1, "0.5a+1>2"));
    const ExprTables before = core.tables();
    EXPECT_FALSE(check({"<<一", "x<1", "2x+3y<1", "x<3-", ">>"}));
    EXPECT_EQ(core.parseError, before.parseError);
    EXPECT_EQ(core.unknownLetter, before.unknownLetter);
    EXPECT_EQ(core.hasDecimalPoint, before.hasDecimalPoint);
    for (int n : {0, 1}) {
        const ExprLine& line = core.lines[n];
        ASSERT_EQ(line.cellCount, before.lines[n].cellCount) << "line " << n;
        for (int i = 0; i < line.cellCount; ++i) EXPECT_TRUE(cellsEqual(line.cells[i], before.lines[n].cells[i]));
    }
}

TEST_F(Check, ListsTheFaultyQuestionsOfTheFirstFaultyUnitOnly) {
    EXPECT_FALSE(check({"<<一", "x<1", ">>", "<<二", "x<1", "2x+3y<1", ">>", "<<三", "2<3", ">>"}));
    EXPECT_EQ(sink.shown, std::vector<std::string>{"文字が多すぎます"});
    EXPECT_EQ(verdict.faultyQuestions, std::vector<std::string>{"「二」6行目 2x+3y<1：文字が多すぎます：文字が2種類以上あります（使える文字は1つです）（5文字目）"});
    EXPECT_EQ(verdict.result, "??? 誤りがあります ???");
    EXPECT_EQ(verdict.faultyUnit, "二");
    EXPECT_EQ(verdict.unitCount, "");

    // Once the second unit is mended the third one's fault is found.
    sink.shown.clear();
    EXPECT_FALSE(check({"<<一", "x<1", ">>", "<<二", "x<1", "2x+3<1", ">>", "<<三", "2<3", ">>"}));
    EXPECT_EQ(sink.shown, std::vector<std::string>{"moji"});
    EXPECT_EQ(verdict.faultyUnit, "三");
    EXPECT_EQ(verdict.faultyQuestions, std::vector<std::string>{"「三」9行目 2<3：moji：文字（x など）がありません"});
}

struct StructureCase {
    const char* name;
    std::vector<std::string> text;
    std::vector<std::string> messages;
    std::string entry;  // the list's one entry
};

class CheckStructure : public Check, public ::testing::WithParamInterface<StructureCase> {};

TEST_P(CheckStructure, FailsBeforeAnyQuestionIsParsed) {
    EXPECT_FALSE(check(GetParam().text));
    EXPECT_EQ(verdict.result, "??? 問題に誤りがあります");
    EXPECT_EQ(verdict.faultyUnit, "問題に誤りです");
    // The one entry says where the structure went wrong and why.
    EXPECT_EQ(verdict.faultyQuestions, std::vector<std::string>{GetParam().entry});
    EXPECT_EQ(sink.shown, GetParam().messages);  // no parser message: nothing was parsed
}

INSTANTIATE_TEST_SUITE_P(
    Sets, CheckStructure,
    ::testing::Values(
        StructureCase{"start_without_end", {"<<A", "2<3", "<<B", "x<1", ">>"}, {},
                      "3行目：前の単元が >> で閉じられていません"},
        StructureCase{"empty_text", {}, {}, "単元がありません（<< で始まる行がありません）"},
        StructureCase{"eight_questions",
                      {"<<A", "x<1", "x<2", "x<3", "x<4", "x<5", "x<6", "x<7", "x<8", ">>"},
                      {"問題は7問以下です"}, "9行目：1つの単元の問題は7問までです"},
        // A unit without its ">>" hides its questions from the check, so it
        // is a fault of the structure here (loading still accepts it).
        StructureCase{"last_unit_without_end", {"<<A", "x<1", ">>", "<<B", "2x+3y<1"}, {},
                      "4行目：この単元が >> で閉じられていません"},
        StructureCase{"start_after_start", {"<<A", "<<B", "x<1", ">>"}, {},
                      "1行目：この単元が >> で閉じられていません"},
        StructureCase{"question_after_end", {"<<A", "x<1", ">>", "2<3"}, {},
                      "4行目：単元の外（<< と >> の間でない所）に問題があります"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Check, LeavesThePageAlone) {
    ASSERT_TRUE(parseQuestion(core, 1, "0.5a+1>2"));
    const ExprLine pageLine = core.lines[1];
    EXPECT_TRUE(check({"<<A", "y<1", "3b>2", ">>"}));
    EXPECT_FALSE(check({"<<A", "2y+z<1", ">>"}));
    EXPECT_EQ(core.unknownLetter, 'a');
    EXPECT_TRUE(core.hasDecimalPoint);
    EXPECT_EQ(lineCellsText(core.lines[1]), lineCellsText(pageLine));
    EXPECT_EQ(core.lines[0].cellCount, 0);
}

TEST_F(Check, PutsBackTheLetterOfTheQuestionOnThePage) {
    core.unknownLetter = 'a';
    EXPECT_TRUE(check({"<<A", "y<1", "3b>2", ">>"}));
    EXPECT_EQ(core.unknownLetter, 'a');
    EXPECT_FALSE(check({"<<A", "2y+z<1", ">>"}));
    EXPECT_EQ(core.unknownLetter, 'a');
}

class Editor : public Check {
protected:
    QuestionSetEditor editor;
};

TEST_F(Editor, AnUnchangedTextIsAcceptedAtOnce) {
    s.setSaved(true);
    editor.start("/q/Question.ine");
    EXPECT_EQ(editor.caption(), "問題の編集：/q/Question.ine");
    EXPECT_TRUE(editor.acceptEdit(s, sink));
    EXPECT_TRUE(s.questionSetSaved());
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(Editor, AChangedTextNeedsAPassingCheck) {
    s.setText({"<<A", "x<1", ">>"});
    editor.start("/q/a.ine");
    editor.textChanged();
    EXPECT_FALSE(editor.acceptEdit(s, sink));
    EXPECT_EQ(sink.shown, std::vector<std::string>{"エラーチェックしてください"});

    editor.checkSet(s, core);
    EXPECT_EQ(editor.verdict().result, checkPassedText);
    EXPECT_TRUE(editor.acceptEdit(s, sink));
    EXPECT_FALSE(s.questionSetSaved());
}

TEST_F(Editor, AnyChangeAfterAPassWithdrawsItAndEmptiesTheVerdict) {
    s.setText({"<<A", "x<1", ">>"});
    editor.start("/q/a.ine");
    editor.textChanged();
    editor.checkSet(s, core);
    ASSERT_TRUE(editor.checkPassed());
    editor.textChanged();
    EXPECT_FALSE(editor.checkPassed());
    EXPECT_EQ(editor.verdict().result, "");
    EXPECT_TRUE(editor.verdict().faultyQuestions.empty());
    EXPECT_FALSE(editor.acceptEdit(s, sink));
}

TEST_F(Editor, AFailingCheckKeepsTheDialogOpen) {
    s.setText({"<<A", "x=1", ">>"});
    editor.start("/q/a.ine");
    editor.textChanged();
    editor.checkSet(s, core);
    EXPECT_EQ(sink.shown, std::vector<std::string>{"＝の位置が不正です"});
    EXPECT_FALSE(editor.checkPassed());
    EXPECT_FALSE(editor.acceptEdit(s, sink));
}

}  // namespace
}  // namespace talvoren
