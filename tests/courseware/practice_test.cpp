// SPDX-License-Identifier: GPL-3.0-or-later
// Mastery by knowledge tracing and the practice that follows it, with
// simulated pupils: one who always keeps to a shortest plan masters the
// unit's skills within 12 questions; one who always errs never does.

#include <gtest/gtest.h>

#include "courseware/practice.h"

namespace talvoren {
namespace {

std::vector<PracticeTopic> unitTopics(const std::vector<const char*>& questions) {
    std::vector<QuestionAnalysis> unit;
    for (const char* q : questions) unit.push_back(analyseQuestion(1, static_cast<int>(unit.size()) + 1, q));
    return practiceTopics(unit);
}

bool allMastered(const Mastery& m, const SkillSet& skills) {
    for (std::size_t i = 0; i < skillNames.size(); ++i)
        if (skills.test(i) && !m.mastered(static_cast<Skill>(i))) return false;
    return true;
}

struct PupilCase {
    const char* name;
    std::vector<const char*> unit;
};

class SimulatedPupil : public ::testing::TestWithParam<PupilCase> {};

// Returns the questions it took to master every skill, or 0 if never within `limit`.
int questionsToMaster(const std::vector<PracticeTopic>& topics, bool rightSteps, int limit) {
    Mastery mastery;
    PracticeSession session(topics, 3, mastery);
    for (int n = 1; n <= limit; ++n) {
        const std::optional<MadeQuestion> q = session.next();
        if (!q) return 0;
        for (int s = 0; s < q->steps; ++s) session.stepTaken(rightSteps);
        session.questionSolved();
        if (allMastered(mastery, session.skills())) return n;
    }
    return 0;
}

TEST_P(SimulatedPupil, RightStepsMasterWithinTwelveQuestionsWrongStepsNever) {
    const std::vector<PracticeTopic> topics = unitTopics(GetParam().unit);
    ASSERT_FALSE(topics.empty());
    const int right = questionsToMaster(topics, true, 12);
    EXPECT_GE(right, 1);
    EXPECT_LE(right, 12);
    EXPECT_EQ(questionsToMaster(topics, false, 40), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Units, SimulatedPupil,
    ::testing::Values(PupilCase{"reversal", {"-2x<6", "5-2x<1", "-4x+3>=11"}},
                      PupilCase{"brackets", {"2(x+1)<8", "-2(x-3)>4", "5(x-1)<2(x+4)"}},
                      PupilCase{"mixed", {"2(x+1)<2x+1", "x+3>x-1", "1/2(x+4)>=x-1", "0.3x+1.2<0.5x-0.4",
                                          "-(2x-1)<=3(x+2)", "2(x-3)-x>x-6", "5x-(3x+2)>=2(x-1)"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TraceCase {
    const char* name;
    double before;
    bool right;
    double after;
};

class TraceStep : public ::testing::TestWithParam<TraceCase> {};

TEST_P(TraceStep, FollowsBayesThenLearning) {
    const KnowledgeTracing p{0.2, 0.15, 0.2, 0.1};
    EXPECT_NEAR(traceStep(p, GetParam().before, GetParam().right), GetParam().after, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Steps, TraceStep,
                         ::testing::Values(TraceCase{"right_from_start", 0.2, true, 0.6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Mastery, KeepsItsValuesAsTextAndIgnoresDamage) {
    Mastery m;
    m.observeStep(*parseSkillList("かっこ"), true);
    m.countQuestion(*parseSkillList("かっこ"));
    Mastery back;
    back.read(Skill::brackets, m.valueText(Skill::brackets));
    EXPECT_NEAR(back.of(Skill::brackets), m.of(Skill::brackets), 1e-4);
    EXPECT_EQ(back.questionsOf(Skill::brackets), 1);
    for (const char* damaged : {"", "x 1", "1.5 2", "0.5", "0.5 -1", "0.5 2 junk"}) {
        Mastery fresh;
        fresh.read(Skill::fraction, damaged);
        EXPECT_EQ(fresh.of(Skill::fraction), knowledgeTracing[1].known) << damaged;
    }
}

TEST(Practice, NudgesAfterTenQuestionsUnmasteredAndHarderWhenMastered) {
    Mastery mastery;
    PracticeSession session(unitTopics({"-2x<6", "5-2x<1"}), 1, mastery);
    int firstSteps = session.next()->steps;
    for (int n = 1; n < questionsBeforeNudge; ++n) {
        session.stepTaken(false);
        EXPECT_TRUE(session.questionSolved().stillNotMastered.empty());
        session.next();
    }
    session.stepTaken(false);
    EXPECT_EQ(session.questionSolved().stillNotMastered, std::vector<Skill>{Skill::reversal});
    for (int n = 0; n < 5; ++n) session.stepTaken(true);
    EXPECT_FALSE(session.questionSolved().newlyMastered.empty());
    EXPECT_GT(session.next()->steps, firstSteps);
}

}  // namespace
}  // namespace talvoren
