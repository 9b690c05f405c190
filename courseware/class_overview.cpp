// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/class_overview.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>

namespace talvoren {

namespace {

constexpr std::array<std::string_view, 5> flagNames = {"stuck", "idle", "hints", "repeat", "mastery"};
constexpr std::array<std::string_view, 5> flagReasons = {
    "2分間、式が先へ進んでいません", "2分間、何も操作していません",
    "3問続けてヒントを最後まで見ています", "同じまちがいを3回続けています",
    "もっと練習で10問解いても、まだ身についていない技能があります"};
constexpr std::string_view mistakePrefix = "mistake:";

}  // namespace

std::string_view pupilFlagName(PupilFlag flag) { return flagNames[static_cast<std::size_t>(flag)]; }
std::string_view pupilFlagReason(PupilFlag flag) { return flagReasons[static_cast<std::size_t>(flag)]; }

std::string notMasteredNote(const std::vector<Skill>& skills) {
    std::string names;
    for (Skill s : skills) names += "「" + std::string(skillName(s)) + "」";
    return names + "は、もっと練習で" + std::to_string(questionsBeforeNudge) + "問解いても、まだ身についていません";
}

std::vector<PupilFlag> PupilSummary::flagsAt(std::int64_t now) const {
    std::vector<PupilFlag> flags;
    if (now - lastEvent < lessonSeconds) {
        const bool idle = now - lastEvent >= idleAfterSeconds;
        if (onQuestion && !idle && now - lastForward >= stuckAfterSeconds) flags.push_back(PupilFlag::stuck);
        if (idle) flags.push_back(PupilFlag::idle);
        if (hintsRunning) flags.push_back(PupilFlag::hints);
        if (sameMistakeRunning) flags.push_back(PupilFlag::repeat);
    }
    if (!skillsNotMastered().empty()) flags.push_back(PupilFlag::mastery);
    return flags;
}

std::vector<Skill> PupilSummary::skillsNotMastered() const {
    std::vector<Skill> skills;
    for (std::size_t i = 0; i < skillNames.size(); ++i) {
        const auto skill = static_cast<Skill>(i);
        if (mastery.questionsOf(skill) >= questionsBeforeNudge && !mastery.mastered(skill)) skills.push_back(skill);
    }
    return skills;
}

PupilSummary summarisePupil(const std::vector<ClassEvent>& events) {
    PupilSummary p;
    std::deque<int> topHintLevels;   // the last few questions' highest hint level
    std::deque<std::string> recentMistakes;
    for (const ClassEvent& e : events) {
        if (e.kind == EventKind::mastery) {  // the tutor's estimate, not the pupil's work
            if (const auto skill = skillNamed(e.code)) p.mastery.read(*skill, e.text);
            continue;
        }
        p.seconds += std::min(e.sinceLast, idleAfterSeconds);
        p.lastEvent = std::max(p.lastEvent, e.time);
        QuestionWork& work = p.questions[{e.set, e.unit, e.question, e.questionText}];
        work.text = e.questionText;
        switch (e.kind) {
        case EventKind::start:
            p.onQuestion = true;
            p.lastForward = e.time;
            topHintLevels.push_back(0);
            if (topHintLevels.size() > hintQuestionsRunning) topHintLevels.pop_front();
            break;
        case EventKind::step: p.lastForward = e.time; break;
        case EventKind::detour: break;
        case EventKind::refused: ++p.mistakes["refused"]; break;
        case EventKind::hint:
            ++p.hints;
            if (!topHintLevels.empty()) topHintLevels.back() = std::max(topHintLevels.back(), std::atoi(e.code.c_str()));
            break;
        case EventKind::verdict:
            if (e.code == "right") p.lastForward = e.time;
            if (e.code.starts_with(mistakePrefix)) {
                const std::string code = e.code.substr(mistakePrefix.size());
                ++p.mistakes[code];
                if (++work.mistakes[code] == 1) work.examples[code] = e.text;
                recentMistakes.push_back(code);
                if (recentMistakes.size() > sameMistakesRunning) recentMistakes.pop_front();
            }
            break;
        case EventKind::mastery: break;
        case EventKind::solved:
            ++p.solved;
            p.steps += e.steps;
            p.shortest += e.shortest;
            work.solved = true;
            p.onQuestion = false;
            break;
        }
    }
    p.hintsRunning = topHintLevels.size() == hintQuestionsRunning &&
                     std::all_of(topHintLevels.begin(), topHintLevels.end(), [](int level) { return level >= 3; });
    p.sameMistakeRunning = recentMistakes.size() == sameMistakesRunning &&
                           std::all_of(recentMistakes.begin(), recentMistakes.end(),
                                       [&](const std::string& code) { return code == recentMistakes.front(); });
    return p;
}

std::vector<std::string> ClassOverview::refresh() {
    const std::vector<std::string> changed = folder_.refresh();
    for (const std::string& pupil : changed) pupils_[pupil] = summarisePupil(folder_.logs().at(pupil).events);
    return changed;
}

std::vector<QuestionSummary> ClassOverview::questions() const {
    struct Totals {
        QuestionSummary summary;
        std::map<std::string, int> mistakes;
        std::map<std::string, std::string> examples;
    };
    std::map<QuestionKey, Totals> totals;
    for (const auto& [pupil, summary] : pupils_) {
        for (const auto& [key, work] : summary.questions) {
            Totals& t = totals[key];
            t.summary.key = key;
            t.summary.text = work.text;
            ++t.summary.pupils;
            if (work.solved) ++t.summary.solved;
            for (const auto& [code, count] : work.mistakes) {
                t.mistakes[code] += count;
                t.examples.try_emplace(code, work.examples.at(code));
            }
        }
    }
    std::vector<QuestionSummary> list;
    for (auto& [key, t] : totals) {
        for (const auto& [code, count] : t.mistakes) {
            if (count > t.summary.commonCount) {
                t.summary.common = code;
                t.summary.commonCount = count;
                t.summary.example = t.examples[code];
            }
        }
        list.push_back(std::move(t.summary));
    }
    return list;
}

}  // namespace talvoren
