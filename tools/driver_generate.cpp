// SPDX-License-Identifier: GPL-3.0-or-later
// `generate SKILLS STEPS COUNT SEED`: questions made as the practice makes them.
#include <charconv>

#include "courseware/question_maker.h"
#include "tools/driver.h"

namespace talvoren::driver {

namespace {

template <typename Number>
bool parseNumber(const std::string& text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

int cmdGenerate(const Args& args, std::ostream& out, std::ostream& err) {
    int steps = 0, count = 0;
    std::uint64_t seed = 0;
    const std::optional<SkillSet> skills = args.size() == 4 ? parseSkillList(args[0]) : std::nullopt;
    if (!skills || !parseNumber(args[1], steps) || !parseNumber(args[2], count) || !parseNumber(args[3], seed) ||
        count < 0) {
        if (args.size() == 4 && !skills) err << "generate: unknown skill in " << args[0] << '\n';
        return 2;
    }
    const std::vector<MadeQuestion> made = makeQuestions(*skills, steps, count, seed);
    if (made.empty() && count > 0) out << "none\n";
    for (const MadeQuestion& q : made)
        out << q.text << " | steps: " << q.steps << " | skills: " << skillListText(q.skills) << '\n';
    return 0;
}

}  // namespace talvoren::driver
