// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question maker: new questions for endless practice, made to a set of
// skills and a number of steps. It picks an answer and builds a question
// back from it (the steps undone: a factor, a constant, a letter term moved
// across, a bracket, fractions or decimals), then keeps a question only when
// the teacher's analysis finds exactly the asked skills and the planner's
// shortest plan exactly the asked steps, with every line short enough for
// the 640-pixel page. All randomness comes from one generator seeded by the
// caller, so a batch can be made again.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "courseware/skills.h"

namespace talvoren {

struct MadeQuestion {
    std::string text;  // in the question grammar, as a teacher would type it
    int steps = 0;
    SkillSet skills;
};

// The longest line (in cells) a made question may draw on its way to the
// answer, so that it fits a line image of the narrowest page unshrunk.
inline constexpr int maxMadeLineCells = 12;
inline constexpr int maxMadeSteps = 6;

class QuestionMaker {
public:
    explicit QuestionMaker(std::uint64_t seed);

    // Up to `count` questions, no two alike, with exactly these skills and
    // steps; empty when none was found within the attempt budget (the skills
    // cannot go together in that many steps). Later calls go on with the
    // same generator.
    std::vector<MadeQuestion> make(const SkillSet& skills, int steps, int count);

    // Candidates tried by the last make(), for the benchmark's figures.
    long lastAttempts() const { return lastAttempts_; }

private:
    // tenths: a wider candidate (answers in tenths too, a net coefficient of
    // 1), drawn from wider_, once the usual ones are used up.
    std::string candidate(const SkillSet& skills, int steps, bool tenths);
    std::mt19937_64 random_;
    std::mt19937_64 wider_;
    long lastAttempts_ = 0;
};

// One batch from a fresh generator: what `talvoren-driver generate` prints.
std::vector<MadeQuestion> makeQuestions(const SkillSet& skills, int steps, int count, std::uint64_t seed);

}  // namespace talvoren
