// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis of a question for the teacher: the skills read from the
// question itself, and the report line built from an analysis.

#include <gtest/gtest.h>

#include "courseware/question_analysis.h"

namespace talvoren {
namespace {

struct SkillCase {
    const char* name;
    const char* question;
    bool brackets, fraction, decimal, bothSides;
};

class QuestionSkills : public ::testing::TestWithParam<SkillCase> {};

TEST_P(QuestionSkills, AreReadFromTheParsedQuestion) {
    const SkillCase& c = GetParam();
    const QuestionAnalysis a = analyseQuestion(1, 1, c.question);
    ASSERT_TRUE(a.accepted);
    EXPECT_EQ(hasBrackets(a.question), c.brackets);
    EXPECT_EQ(hasFraction(a.question, a.hasDecimalPoint), c.fraction);
    EXPECT_EQ(a.hasDecimalPoint, c.decimal);
    EXPECT_EQ(hasUnknownOnBothSides(a.question), c.bothSides);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, QuestionSkills,
    ::testing::Values(
        SkillCase{"plain", "2x+3<5", false, false, false, false},
        SkillCase{"factor_brackets", "2(x+1)<8", true, false, false, false},
        SkillCase{"minus_brackets", "-(x+5)>2", true, false, false, false},
        SkillCase{"square_brackets", "3[x-1]>=2", true, false, false, false},
        SkillCase{"fraction_coefficient", "1/2x<3", false, true, false, false},
        SkillCase{"fraction_that_is_whole", "4/2x<6", false, false, false, false},
        SkillCase{"fraction_constant_right", "x<1/3", false, true, false, false},
        SkillCase{"decimal_only", "0.5x+1>2", false, false, true, false},
        SkillCase{"decimal_page_shows_thirds_as_fractions", "0.5x+1/3<1", false, true, true, false},
        SkillCase{"decimal_page_shows_quarters_as_decimals", "0.5x+1/4<1", false, false, true, false},
        SkillCase{"bar_fraction_factor", "2|3(x+1)<4", true, true, false, false},
        SkillCase{"both_sides", "3x+2<x+8", false, false, false, true},
        SkillCase{"both_sides_in_brackets", "5(x-1)<2(x+4)", true, false, false, true},
        SkillCase{"unknown_only_right", "2<3x", false, false, false, false},
        SkillCase{"zero_coefficient_is_no_term", "x<0x+1", false, false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct FitCase {
    const char* name;
    int steps;
    std::array<bool, 3> fits;  // 640, 800, 1024
};

class PlanFits : public ::testing::TestWithParam<FitCase> {};

TEST_P(PlanFits, WhenItsLinesFitThePage) {
    Plan plan;
    plan.answer = AnswerKind::solved;
    plan.steps.resize(static_cast<std::size_t>(GetParam().steps));
    QuestionAnalysis a = analyseQuestion(1, 1, "x<1");
    takePlan(a, plan);
    EXPECT_EQ(a.fits, GetParam().fits);
    EXPECT_EQ(a.stepCount(), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Steps, PlanFits,
                         ::testing::Values(FitCase{"seven_fill_eight_lines", 7, {true, true, true}},
                                           FitCase{"eight_need_nine_lines", 8, {false, true, true}},
                                           FitCase{"eleven_fill_twelve", 11, {false, true, true}},
                                           FitCase{"twelve_need_thirteen", 12, {false, false, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlanAnalysis, TakesTheTurnedRelationAndTheAnswerFromThePlan) {
    Plan plan;
    plan.answer = AnswerKind::solved;
    plan.steps.resize(2);
    plan.steps[1].reversesRelation = true;
    plan.steps[1].drawn.caption = "②式の両辺を-2で割ると";
    plan.answerLine.cellCount = 3;
    QuestionAnalysis a = analyseQuestion(1, 1, "5-2x<1");
    takePlan(a, plan);
    EXPECT_TRUE(a.reversesRelation);
    EXPECT_FALSE(a.steps[0].signReversed);
    EXPECT_TRUE(a.steps[1].signReversed);
    EXPECT_EQ(a.steps[1].line.caption, "②式の両辺を-2で割ると");
    EXPECT_EQ(a.answer, AnswerKind::solved);

    QuestionAnalysis none = analyseQuestion(1, 1, "5-2x<1");
    takePlan(none, Plan{});
    EXPECT_EQ(none.answer, AnswerKind::none);
    EXPECT_EQ(none.fits, (std::array<bool, 3>{}));
}

TEST(QuestionAnalysis, CarriesTheQuestionWithItsHeaderAndTheParsersFlags) {
    const QuestionAnalysis a = analyseQuestion(3, 4, "0.5y+1>2");
    EXPECT_EQ(a.question.caption, "（4） 次の不等式を解きなさい");
    EXPECT_EQ(a.letter, 'y');
    EXPECT_TRUE(a.hasDecimalPoint);
    EXPECT_FALSE(analyseQuestion(1, 1, "2x+3y<1").accepted);
}

QuestionAnalysis solvedIn(int steps) {
    QuestionAnalysis a = analyseQuestion(2, 3, "-2x<6");
    a.steps.resize(static_cast<std::size_t>(steps));
    a.answer = AnswerKind::solved;
    a.answerLine.cellCount = 3;
    a.answerLine.cells[0] = {1, 1, letterKind('x')};
    a.answerLine.cells[1] = {-2, 0, CellKind::greater};
    a.answerLine.cells[2] = {1, -3, CellKind::constant};
    a.reversesRelation = true;
    a.fits = {steps < 8, true, true};
    return a;
}

TEST(ReportLine, GivesAnswerStepsSkillsAndFits) {
    EXPECT_EQ(reportLine(solvedIn(1)),
              "question 2.3: -2x<6 | answer: 1x1 0>-2 -3/1 | steps: 1 | skills: 向きが変わる | "
              "fits: 640 yes, 800 yes, 1024 yes");
    EXPECT_EQ(reportLine(solvedIn(9)).substr(reportLine(solvedIn(9)).find("steps")),
              "steps: 9 | skills: 向きが変わる | fits: 640 no, 800 yes, 1024 yes");
}

TEST(ReportLine, NamesSpecialAnswersAsSkillsAfterTheQuestionsOwn) {
    QuestionAnalysis a = analyseQuestion(6, 1, "2(x+1)<2x+1");
    a.answer = AnswerKind::noSolution;
    a.steps.resize(2);
    a.fits = {true, true, true};
    EXPECT_EQ(reportLine(a), "question 6.1: 2(x+1)<2x+1 | answer: 解なし | steps: 2 | skills: かっこ,両辺に文字,解なし | "
                             "fits: 640 yes, 800 yes, 1024 yes");
    a.answer = AnswerKind::infinitelyMany;
    EXPECT_NE(reportLine(a).find("skills: かっこ,両辺に文字,解は無数にある |"), std::string::npos);
}

TEST(ReportLine, WithoutAPlanSaysNoneAndFitsNowhere) {
    QuestionAnalysis a = analyseQuestion(1, 1, "x+3<5");
    a.answer = AnswerKind::none;
    a.steps.clear();
    a.fits = {};
    EXPECT_EQ(reportLine(a), "question 1.1: x+3<5 | answer: none | steps: none | skills: - | "
                             "fits: 640 no, 800 no, 1024 no");
}

}  // namespace
}  // namespace talvoren
