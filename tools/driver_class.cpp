// SPDX-License-Identifier: GPL-3.0-or-later
// class DIR [NOW]: the teacher's overview of a records folder, as text.

#include <charconv>
#include <filesystem>

#include "courseware/class_overview.h"
#include "courseware/practice_log.h"
#include "tools/driver.h"

namespace talvoren::driver {

namespace {

std::string mistakesText(const std::map<std::string, int>& mistakes) {
    if (mistakes.empty()) return "-";
    std::string text;
    for (const auto& [code, count] : mistakes) {
        if (!text.empty()) text += ',';
        text += code + "=" + std::to_string(count);
    }
    return text;
}

std::string flagsText(const std::vector<PupilFlag>& flags) {
    if (flags.empty()) return "-";
    std::string text;
    for (PupilFlag flag : flags) {
        if (!text.empty()) text += ',';
        text += pupilFlagName(flag);
    }
    return text;
}

}  // namespace

int cmdClass(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.size() > 2) return 2;
    std::int64_t now = epochNow();
    if (args.size() == 2) {
        const std::string& text = args[1];
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), now);
        if (ec != std::errc() || end != text.data() + text.size()) return 2;
    }
    if (!std::filesystem::is_directory(args[0])) {
        err << "class: " << args[0] << " is not a folder\n";
        return 1;
    }
    ClassOverview overview(args[0]);
    overview.refresh();
    for (const auto& [name, p] : overview.pupils()) {
        out << "pupil " << name << " | solved: " << p.solved << " | steps: " << p.steps << '/' << p.shortest
            << " | hints: " << p.hints << " | mistakes: " << mistakesText(p.mistakes) << " | seconds: " << p.seconds
            << " | flags: " << flagsText(p.flagsAt(now)) << '\n';
    }
    for (const QuestionSummary& q : overview.questions()) {
        out << "question " << q.key.set << ' ' << q.key.unit << '.' << q.key.question << ": " << q.text
            << " | pupils: " << q.pupils << " | solved: " << q.solved << " | common: "
            << (q.common.empty() ? "-" : q.common + "=" + std::to_string(q.commonCount))
            << " | example: " << (q.common.empty() ? "-" : q.example) << '\n';
    }
    const ClassFolder& folder = overview.folder();
    for (const std::string& warning : folder.warnings()) err << "class: " << warning << '\n';
    out << "logs: " << folder.logs().size() << "; events: " << folder.eventCount()
        << "; skipped: " << folder.skippedCount() << '\n';
    return 0;
}

}  // namespace talvoren::driver
