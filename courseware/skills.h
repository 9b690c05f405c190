// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The skills a question exercises, as the teacher's analysis names them, in
// the analysis's order. A set of them is a bit set indexed by Skill.

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace talvoren {

enum class Skill { brackets, fraction, decimal, bothSides, reversal, noSolution, infinitelyMany };
inline constexpr int skillCount = 7;
inline constexpr std::array<std::string_view, skillCount> skillNames{
    "かっこ", "分数", "小数", "両辺に文字", "向きが変わる", "解なし", "解は無数にある"};

using SkillSet = std::bitset<skillCount>;

constexpr std::size_t skillIndex(Skill s) { return static_cast<std::size_t>(s); }
inline bool has(const SkillSet& set, Skill s) { return set.test(skillIndex(s)); }
inline std::string_view skillName(Skill s) { return skillNames[skillIndex(s)]; }

// "かっこ,分数" in the analysis's order; "-" for none.
std::string skillListText(const SkillSet& set);
// The skill of that name; nullopt for any other text.
std::optional<Skill> skillNamed(std::string_view name);
// The reverse: "-" is the empty set; nullopt for an unknown or repeated name.
std::optional<SkillSet> parseSkillList(std::string_view text);

}  // namespace talvoren
