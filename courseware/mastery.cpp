// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/mastery.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

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

// Fixed decimals with a point whatever the locale says, for a value from 0
// to 1 (by whole numbers, which every library can print and read).
std::string fixed(double p, int places) {
    long long scale = 1;
    for (int i = 0; i < places; ++i) scale *= 10;
    const long long units = std::llround(std::clamp(p, 0.0, 1.0) * static_cast<double>(scale));
    std::string decimals = std::to_string(units % scale);
    decimals.insert(0, static_cast<std::size_t>(places) - decimals.size(), '0');
    return std::to_string(units / scale) + "." + decimals;
}

// "0.8123" back to a value; nullopt unless it is digits, a point and digits.
std::optional<double> parseFixed(std::string_view text) {
    const auto point = text.find('.');
    if (point == 0 || point == std::string_view::npos || point + 1 == text.size() || text.size() - point > 10)
        return std::nullopt;
    long long whole = 0;
    long long decimals = 0;
    const auto a = std::from_chars(text.data(), text.data() + point, whole);
    const auto b = std::from_chars(text.data() + point + 1, text.data() + text.size(), decimals);
    if (a.ec != std::errc{} || a.ptr != text.data() + point || b.ec != std::errc{} ||
        b.ptr != text.data() + text.size() || decimals < 0)
        return std::nullopt;
    double scale = 1;
    for (std::size_t i = point + 1; i < text.size(); ++i) scale *= 10;
    return static_cast<double>(whole) + static_cast<double>(decimals) / scale;
}

}  // namespace

std::string Mastery::valueText(Skill s) const { return fixed(of(s), 4) + ' ' + std::to_string(questionsOf(s)); }

void Mastery::read(Skill s, const std::string& text) {
    const auto space = text.find(' ');
    if (space == std::string::npos) return;
    const std::optional<double> read = parseFixed(std::string_view(text).substr(0, space));
    if (!read) return;
    const double p = *read;
    int questions = -1;
    const char* end = text.data() + text.size();
    const auto second = std::from_chars(text.data() + space + 1, end, questions);
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
