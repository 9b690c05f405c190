// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/practice.h"

#include <algorithm>

namespace talvoren {

namespace {

// The lowest mastery among the skills of a set (1 for a set without skills,
// which has nothing left to learn but still gets harder questions).
double weakest(const Mastery& mastery, const SkillSet& skills) {
    double p = 1;
    for (std::size_t i = 0; i < skillNames.size(); ++i)
        if (skills.test(i)) p = std::min(p, mastery.of(static_cast<Skill>(i)));
    return p;
}

constexpr int triesPerQuestion = 8;  // makes before a repeated question is accepted as none

}  // namespace

std::vector<PracticeTopic> practiceTopics(const std::vector<QuestionAnalysis>& unit) {
    std::vector<PracticeTopic> topics;
    for (const QuestionAnalysis& a : unit) {
        if (!a.accepted || a.answer == AnswerKind::none || a.stepCount() < 1) continue;
        const SkillSet skills = a.skillSet();
        auto it = std::find_if(topics.begin(), topics.end(), [&](const PracticeTopic& t) { return t.skills == skills; });
        if (it == topics.end()) {
            topics.push_back({skills, a.stepCount(), a.stepCount()});
        } else {
            it->fewestSteps = std::min(it->fewestSteps, a.stepCount());
            it->mostSteps = std::max(it->mostSteps, a.stepCount());
        }
    }
    return topics;
}

SkillSet practiceSkills(const std::vector<PracticeTopic>& topics) {
    SkillSet skills;
    for (const PracticeTopic& t : topics) skills |= t.skills;
    return skills;
}

bool isLastQuestionOfUnit(const CoursewareState& s) {
    const int unit = s.currentUnit();
    return s.unitQuestionCount()[unit] > 0 && s.unitPosition()[unit] == s.unitQuestionCount()[unit];
}

PracticeSession::PracticeSession(std::vector<PracticeTopic> topics, std::uint64_t seed, Mastery& mastery)
    : topics_(std::move(topics)), skills_(practiceSkills(topics_)), maker_(seed), mastery_(mastery) {}

// The topic holding the least-mastered skill; among equals, the one with
// more skills not yet mastered, then the first.
const PracticeTopic& PracticeSession::leastMasteredTopic() const {
    const auto unmastered = [&](const SkillSet& s) {
        int n = 0;
        for (std::size_t i = 0; i < skillNames.size(); ++i) n += s.test(i) && !mastery_.mastered(static_cast<Skill>(i));
        return n;
    };
    return *std::min_element(topics_.begin(), topics_.end(), [&](const PracticeTopic& a, const PracticeTopic& b) {
        const double wa = weakest(mastery_, a.skills), wb = weakest(mastery_, b.skills);
        if (wa != wb) return wa < wb;
        return unmastered(a.skills) > unmastered(b.skills);
    });
}

// From the unit's fewest steps while the skills are new up to one step more
// than its most once they are mastered.
int PracticeSession::stepsFor(const PracticeTopic& topic) const {
    const int span = topic.mostSteps + 1 - topic.fewestSteps;
    const double progress = std::min(weakest(mastery_, topic.skills) / masteredAt, 1.0);
    return std::min(maxMadeSteps, topic.fewestSteps + static_cast<int>(progress * span));
}

std::optional<MadeQuestion> PracticeSession::next() {
    current_.reset();
    if (topics_.empty()) return current_;
    const PracticeTopic& topic = leastMasteredTopic();
    // The wanted steps first, then fewer, then more: some step counts
    // cannot be made for every combination.
    std::vector<int> order;
    const int wanted = stepsFor(topic);
    for (int s = wanted; s >= 1; --s) order.push_back(s);
    for (int s = wanted + 1; s <= maxMadeSteps; ++s) order.push_back(s);
    for (int steps : order)
        for (int attempt = 0; attempt < triesPerQuestion; ++attempt) {
            std::vector<MadeQuestion> made = maker_.make(topic.skills, steps, 1);
            if (made.empty()) break;
            if (std::find(asked_.begin(), asked_.end(), made.front().text) != asked_.end()) continue;
            asked_.push_back(made.front().text);
            current_ = std::move(made.front());
            for (std::size_t i = 0; i < skillNames.size(); ++i)
                masteredAtStart_.set(i, mastery_.mastered(static_cast<Skill>(i)));
            return current_;
        }
    return current_;
}

void PracticeSession::stepTaken(bool right) {
    if (current_) mastery_.observeStep(current_->skills, right);
}

QuestionOutcome PracticeSession::questionSolved() {
    QuestionOutcome outcome;
    if (!current_) return outcome;
    mastery_.countQuestion(current_->skills);
    for (std::size_t i = 0; i < skillNames.size(); ++i) {
        const auto skill = static_cast<Skill>(i);
        if (!current_->skills.test(i)) continue;
        if (mastery_.mastered(skill) && !masteredAtStart_.test(i)) outcome.newlyMastered.push_back(skill);
        if (!mastery_.mastered(skill) && mastery_.questionsOf(skill) == questionsBeforeNudge)
            outcome.stillNotMastered.push_back(skill);
    }
    return outcome;
}

}  // namespace talvoren
