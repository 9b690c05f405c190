// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/mastery.h"

#include <charconv>

namespace talvoren {

double traceStep(const KnowledgeTracing& p, double known, bool right) {
    const double evidence = right ? known * (1 - p.slip) / (known * (1 - p.slip) + (1 - known) * p.guess)
                                  : known * p.slip / (known * p.slip + (1 - known) * (1 - p.guess));
    return evidence + (1 - evidence) * p.learn;
}

Mastery::Mastery() {
    for (std::size_t i = 0; i < known_.size(); ++i) known_[i] = knowledgeTracing[i].known;
}

void Mastery::observeStep(const SkillSet& skills, bool right) {
    for (std::size_t i = 0; i < known_.size(); ++i)
        if (skills.test(i)) known_[i] = traceStep(knowledgeTracing[i], known_[i], right);
}

void Mastery::countQuestion(const SkillSet& skills) {
    for (std::size_t i = 0; i < questions_.size(); ++i)
        if (skills.test(i)) ++questions_[i];
}

namespace {

// Fixed decimals with a point whatever the locale says.
std::string fixed(double p, int places) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, p, std::chars_format::fixed, places);
    return std::string(text, result.ptr);
}

}  // namespace

std::string Mastery::valueText(Skill s) const { return fixed(of(s), 4) + ' ' + std::to_string(questionsOf(s)); }

void Mastery::read(Skill s, const std::string& text) {
    double p = -1;
    int questions = -1;
    const char* end = text.data() + text.size();
    const auto first = std::from_chars(text.data(), end, p);
    if (first.ec != std::errc{} || first.ptr == end || *first.ptr != ' ') return;
    const auto second = std::from_chars(first.ptr + 1, end, questions);
    if (second.ec != std::errc{} || second.ptr != end || !(p >= 0 && p <= 1) || questions < 0) return;
    known_[skillIndex(s)] = p;
    questions_[skillIndex(s)] = questions;
}

std::string masteryText(double p) { return fixed(p, 2); }

std::string notYetMasteredText(Skill s) {
    return "「" + std::string(skillName(s)) +
           "」は、まだ少し練習が必要なようですね。あせらなくて大丈夫です。ヘルプ（F1）の「ポイント」の例をもう一度見てから、続けてみましょう。";
}

}  // namespace talvoren
