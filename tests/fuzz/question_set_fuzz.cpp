// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the question-set file: the input is the file's bytes. It
// is read as at start-up, its unit tables built, checked as the editor
// checks it, and when the check passes saved and read back. Invariants: a
// refused read leaves the text as it was; the unit tables stay within ten
// units of at most seven questions; a passing check means every question
// parses; a saved set reads back to the same lines, blank ones left out, and
// the same tables.

#include <string>

#include "core/question_parser.h"
#include "courseware/check.h"
#include "courseware/question_set.h"
#include "fuzz_support.h"

namespace {

using namespace talvoren;
using fuzz::require;

void checkTables(const CoursewareState& s) {
    require(s.unitCount() >= 0 && s.unitCount() <= maxUnits);
    for (int u = 1; u <= maxUnits; ++u) {
        require(s.unitQuestionCount()[u] >= 0 && s.unitQuestionCount()[u] <= maxUnitQuestions);
        if (u > s.unitCount()) require(s.unitTitles()[u].empty() && s.unitQuestionCount()[u] == 0);
    }
}

bool sameTables(const CoursewareState& a, const CoursewareState& b) {
    return a.unitCount() == b.unitCount() && a.unitTitles() == b.unitTitles() &&
           a.unitQuestions() == b.unitQuestions() && a.unitQuestionCount() == b.unitQuestionCount();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::scratchFolder() + "set.ine";
    const std::string savedPath = fuzz::scratchFolder() + "saved.ine";
    fuzz::writeFile(path, std::string_view(reinterpret_cast<const char*>(data), size));

    CoursewareState s;
    s.setText({"untouched"});
    if (readQuestionSetFile(s, path) != ReadStatus::ok) {
        require(s.questionSetText() == std::vector<std::string>{"untouched"});
        return 0;
    }
    fuzz::CountingSink sink;
    if (parseQuestionSet(s, sink)) checkTables(s);

    CoreState core(sink);
    CheckVerdict verdict;
    if (!checkQuestionSet(s, core, verdict)) {
        require(verdict.result != checkPassedText);
        return 0;
    }
    checkTables(s);
    require(s.unitCount() >= 1);
    for (int u = 1; u <= s.unitCount(); ++u) {
        require(s.unitQuestionCount()[u] >= 1);
        for (int q = 1; q <= s.unitQuestionCount()[u]; ++q) require(parseQuestion(core, 0, s.unitQuestions()[u][q]));
    }

    const WriteResult written = writeQuestionSetFile(s, savedPath);
    require(written.status == WriteStatus::ok);
    CoursewareState back;
    require(readQuestionSetFile(back, savedPath) == ReadStatus::ok);
    std::vector<std::string> kept;
    for (const std::string& line : s.questionSetText())
        if (!isBlankLine(line)) kept.push_back(line);
    require(back.questionSetText() == kept);
    CheckVerdict again;
    require(checkQuestionSet(back, core, again));
    require(sameTables(back, s));
    return 0;
}
