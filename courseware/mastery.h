// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pupil's mastery of each skill, traced by Bayesian Knowledge Tracing:
// after each step the probability that the skill is known is updated from
// whether the step was right, then the chance of learning it on that step
// is added. A skill counts as mastered at 0.95.
//
// The four parameters per skill (known before practice, learnt on a step,
// right by guess, wrong by slip) follow Corbett and Anderson, "Knowledge
// tracing" (1995), for the model and the 0.95 mastery line; guesses are kept
// at or below 0.3 and slips at or below 0.1, the bounds Baker, Corbett and
// Aleven (2008) give for a model that does not read a slip as knowledge.
// They are starting values, not yet fitted to this tutor's pupils: skills
// pupils find harder start lower and are learnt more slowly.

#include <array>
#include <string>

#include "courseware/skills.h"

namespace talvoren {

struct KnowledgeTracing {
    double known;   // P(L0): known before the first step
    double learn;   // P(T): learnt on any one step
    double guess;   // P(G): right without knowing
    double slip;    // P(S): wrong although known
};

inline constexpr std::array<KnowledgeTracing, skillCount> knowledgeTracing{{
    {0.10, 0.10, 0.25, 0.10},  // かっこ
    {0.10, 0.08, 0.20, 0.10},  // 分数
    {0.10, 0.10, 0.25, 0.10},  // 小数
    {0.10, 0.10, 0.25, 0.10},  // 両辺に文字
    {0.10, 0.08, 0.20, 0.10},  // 向きが変わる
    {0.10, 0.10, 0.25, 0.10},  // 解なし
    {0.10, 0.10, 0.25, 0.10},  // 解は無数にある
}};

inline constexpr double masteredAt = 0.95;
// Questions of a skill after which a pupil who has not mastered it is told so.
inline constexpr int questionsBeforeNudge = 10;

class Mastery {
public:
    Mastery();

    double of(Skill s) const { return known_[skillIndex(s)]; }
    bool mastered(Skill s) const { return of(s) >= masteredAt; }
    int questionsOf(Skill s) const { return questions_[skillIndex(s)]; }

    // One step that exercised these skills, right or wrong.
    void observeStep(const SkillSet& skills, bool right);
    // A question of these skills was finished.
    void countQuestion(const SkillSet& skills);

    // "0.6234 3" per skill, for the pupil's record; read() ignores what it
    // cannot read, so a damaged value falls back to the start.
    std::string valueText(Skill s) const;
    void read(Skill s, const std::string& text);

private:
    std::array<double, skillCount> known_{};
    std::array<int, skillCount> questions_{};
};

// One probability after one observation (exposed for the tests).
double traceStep(const KnowledgeTracing& p, double known, bool right);

// "0.62": two decimals, as the driver and the bars show it.
std::string masteryText(double p);

// The kind word to a pupil who has not mastered a skill after many questions.
std::string notYetMasteredText(Skill s);

}  // namespace talvoren
