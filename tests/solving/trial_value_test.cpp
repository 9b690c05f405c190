// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/trial_value.h"

#include <gtest/gtest.h>

#include "core/question_parser.h"
#include "fakes.h"

namespace talvoren::testing {
namespace {

struct TrialCase {
    const char* name;
    const char* question;
    Ratio value;
    const char* expected;  // "LEFT REL RIGHT in|out", or "" for no result
};
void PrintTo(const TrialCase& c, std::ostream* os) { *os << c.name; }

class TryValue : public ::testing::TestWithParam<TrialCase> {};

TEST_P(TryValue, WorksOutBothSidesExactly) {
    Session s;
    ASSERT_TRUE(parseQuestion(s.core, 1, GetParam().question));
    const auto trial = tryValue(s.core.lines[1], s.core.unknownLetter, GetParam().value);
    const std::string got = trial ? ratioText(trial->left) + " " + relationText(trial->relation) + " " +
                                        ratioText(trial->right) + (trial->holds ? " in" : " out")
                                  : "";
    EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, TryValue,
    ::testing::Values(
        TrialCase{"Plain", "2x+3<5", Ratio::make(0, 1), "3 < 5 in"},
        TrialCase{"EqualSidesOnStrict", "2x+3<5", Ratio::make(1, 1), "5 < 5 out"},
        TrialCase{"EqualSidesOnOrEqual", "2x+3<=5", Ratio::make(1, 1), "5 <= 5 in"},
        TrialCase{"FactorBeforeBracket", "-2(x-3)>x", Ratio::make(1, 2), "5 > 1/2 in"},
        TrialCase{"SignBeforeBracket", "-(x+5)>=2", Ratio::make(-7, 1), "2 >= 2 in"},
        TrialCase{"NestedBrackets", "2(3(x+1)-1)<x", Ratio::make(-1, 1), "-2 < -1 in"},
        TrialCase{"BarGroup", "1|3(x+1)<2", Ratio::make(5, 1), "2 < 2 out"},
        TrialCase{"BracketOpeningASide", "(x+1)>2x", Ratio::make(1, 3), "4/3 > 2/3 in"},
        TrialCase{"FractionAndDecimal", "1/2x-0.3>=x", Ratio::make(1, 5), "-1/5 >= 1/5 out"},
        TrialCase{"LetterOnTheRight", "5>-2a+3", Ratio::make(-1, 1), "5 > 5 out"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TryValue, NoResultForALineThatIsNotOneRelation) {
    for (const ExprLine& line : {lineOf({term(1), relation(CellKind::less), constant(1), relation(CellKind::less), constant(2)}),
                                 lineOf({term(1), constant(2)}),
                                 lineOf({term(1), relation(CellKind::less), constant(2), {1, 0, CellKind::roundClose}})})
        EXPECT_FALSE(tryValue(line, 'x', Ratio::make(0, 1))) << lineCellsText(line);
}

TEST(TryValue, SentenceUnderTheAnswer) {
    const TrialResult in{Ratio::make(0, 1), Ratio::make(3, 1), CellKind::less, Ratio::make(5, 1), true};
    EXPECT_EQ(trialSentence('x', in), "x=0 のとき 左辺 3 ＜ 右辺 5 ○（解に入っています）");
    const TrialResult out{Ratio::make(-1, 2), Ratio::make(7, 3), CellKind::lessEqual, Ratio::make(-1, 1), false};
    EXPECT_EQ(trialSentence('a', out), "a=-1/2 のとき 左辺 7/3 ＞ 右辺 -1 ×（解に入っていません）");
}

struct SetCase {
    const char* name;
    SolutionSet set;
    const char* text;
    const char* suggested;  // inside, outside ("-" for none)
};
void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name; }

class SolutionSets : public ::testing::TestWithParam<SetCase> {};

TEST_P(SolutionSets, TextAndSuggestedNumbers) {
    const SolutionSet& set = GetParam().set;
    EXPECT_EQ(solutionSetText(set), GetParam().text);
    const SuggestedValues s = suggestedValues(set);
    const auto text = [](const std::optional<Ratio>& v) { return v ? ratioText(*v) : std::string("-"); };
    EXPECT_EQ(text(s.inside) + ", " + text(s.outside), GetParam().suggested);
    if (s.inside) {
        EXPECT_TRUE(set.contains(*s.inside));
    }
    if (s.outside) {
        EXPECT_FALSE(set.contains(*s.outside));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SolutionSets,
    ::testing::Values(
        SetCase{"ZeroInside", {SetKind::less, Ratio::make(3, 1)}, "lt 3", "0, 4"},
        SetCase{"ZeroOutside", {SetKind::greaterEqual, Ratio::make(7, 2)}, "ge 7/2", "5, 0"},
        SetCase{"ZeroIsTheEnd", {SetKind::lessEqual, Ratio::make(0, 1)}, "le 0", "-1, 1"},
        SetCase{"NegativeFraction", {SetKind::greater, Ratio::make(-4, 5)}, "gt -4/5", "0, -2"},
        SetCase{"None", {SetKind::none, {}}, "none", "-, 0"},
        SetCase{"All", {SetKind::all, {}}, "all", "0, -"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolutionSets, FromTheAnswer) {
    const auto text = [](AnswerKind kind, const ExprLine& line) {
        const auto set = solutionSetOf(kind, line);
        return set ? solutionSetText(*set) : std::string("-");
    };
    // The relation cell made by a division keeps its own denominator.
    EXPECT_EQ(text(AnswerKind::solved, lineOf({term(1), {2, 0, CellKind::less}, constant(1)})), "lt 1");
    EXPECT_EQ(text(AnswerKind::none, lineOf({term(1, 1, 'a'), relation(CellKind::greaterEqual), constant(-7, 2)})),
              "ge -7/2");
    EXPECT_EQ(text(AnswerKind::noSolution, {}), "none");
    EXPECT_EQ(text(AnswerKind::infinitelyMany, {}), "all");
    EXPECT_EQ(text(AnswerKind::solved, lineOf({term(2), relation(CellKind::less), constant(1)})), "-");
    EXPECT_EQ(text(AnswerKind::solved, lineOf({constant(1), relation(CellKind::less), term(1)})), "-");
}

}  // namespace
}  // namespace talvoren::testing
