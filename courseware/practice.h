// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// もっと練習: endless practice on the skills of one unit. Each question is
// made for the unit's least-mastered skills, in one of the combinations the
// unit's own questions show (so the skills can go together), and gets more
// steps as those skills are mastered. The pupil's mastery is a value the
// session asks and updates; who keeps it is the caller's business.

#include <optional>
#include <string>
#include <vector>

#include "courseware/mastery.h"
#include "courseware/question_analysis.h"
#include "courseware/question_maker.h"

namespace talvoren {

// A combination of skills the unit practises, with the step counts its own
// questions take.
struct PracticeTopic {
    SkillSet skills;
    int fewestSteps = 1;
    int mostSteps = 1;
};

std::vector<PracticeTopic> practiceTopics(const std::vector<QuestionAnalysis>& unit);
// Every skill the topics practise.
SkillSet practiceSkills(const std::vector<PracticeTopic>& topics);

// The teacher's words after the unit's last question is solved.
inline constexpr const char* practiceOfferText = "この単元の問題はすべて終わりました。もっと練習しますか？";

// The page holds the last question of its unit: once it is solved the unit
// has nothing new left, and もっと練習 is offered.
bool isLastQuestionOfUnit(const CoursewareState& s);

// What finishing a question brought.
struct QuestionOutcome {
    std::vector<Skill> newlyMastered;
    std::vector<Skill> stillNotMastered;  // just reached questionsBeforeNudge questions unmastered
};

class PracticeSession {
public:
    PracticeSession(std::vector<PracticeTopic> topics, std::uint64_t seed, Mastery& mastery);

    // The unit's skills, in the analysis's order.
    SkillSet skills() const { return skills_; }
    // The next question; nullopt when none could be made.
    std::optional<MadeQuestion> next();
    const std::optional<MadeQuestion>& current() const { return current_; }

    // A step on the current question: right when it kept to a shortest plan.
    void stepTaken(bool right);
    // The current question was solved.
    QuestionOutcome questionSolved();

private:
    const PracticeTopic& leastMasteredTopic() const;
    int stepsFor(const PracticeTopic& topic) const;

    std::vector<PracticeTopic> topics_;
    SkillSet skills_;
    QuestionMaker maker_;
    Mastery& mastery_;
    std::optional<MadeQuestion> current_;
    SkillSet masteredAtStart_;  // of the current question
    std::vector<std::string> asked_;  // no question twice in one session
};

}  // namespace talvoren
