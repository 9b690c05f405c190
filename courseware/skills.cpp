// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/skills.h"

#include <algorithm>

namespace talvoren {

std::string skillListText(const SkillSet& set) {
    std::string text;
    for (std::size_t i = 0; i < skillNames.size(); ++i)
        if (set.test(i)) (text += text.empty() ? "" : ",") += skillNames[i];
    return text.empty() ? "-" : text;
}

std::optional<Skill> skillNamed(std::string_view name) {
    const auto found = std::find(skillNames.begin(), skillNames.end(), name);
    if (found == skillNames.end()) return std::nullopt;
    return static_cast<Skill>(found - skillNames.begin());
}

std::optional<SkillSet> parseSkillList(std::string_view text) {
    SkillSet set;
    if (text == "-") return set;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::optional<Skill> skill = skillNamed(text.substr(0, comma));
        if (!skill) return std::nullopt;
        const std::size_t index = skillIndex(*skill);
        if (set.test(index)) return std::nullopt;
        set.set(index);
        if (comma == std::string_view::npos) return set;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace talvoren
