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

std::optional<SkillSet> parseSkillList(std::string_view text) {
    SkillSet set;
    if (text == "-") return set;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        const auto found = std::find(skillNames.begin(), skillNames.end(), name);
        if (found == skillNames.end()) return std::nullopt;
        const auto index = static_cast<std::size_t>(found - skillNames.begin());
        if (set.test(index)) return std::nullopt;
        set.set(index);
        if (comma == std::string_view::npos) return set;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace talvoren
