// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "core/cells.h"
#include "courseware/check.h"
#include "courseware/question_analysis.h"
#include "courseware/question_set.h"
#include "courseware/set_reading.h"
#include "tools/driver.h"
#include "tools/driver_transcript.h"

namespace talvoren::driver {

namespace {

// The editor's check of the file as read from disk: the messages shown on
// the way, then the verdict fields. True when the set passed; the unit
// tables are then those of the file.
bool printCheck(const std::string& path, std::ostream& out, CoursewareState& set) {
    ReplyQueue replies;
    TranscriptSink sink(out, replies);
    CoreState core(sink);

    const ReadStatus status = readQuestionSetForUse(set, path, sink).status;
    if (status != ReadStatus::ok && status != ReadStatus::notCp932)  // not Shift-JIS was said in reading
        sink.showMessage(readFailureText(path, status));

    CheckVerdict verdict;
    const bool passed = checkQuestionSet(set, core, verdict);
    out << "units: " << verdict.unitCount << '\n';
    out << "result: " << verdict.result << '\n';
    out << "faultyUnit: " << verdict.faultyUnit << '\n';
    for (const std::string& question : verdict.faultyQuestions) out << "faulty: " << question << '\n';
    return passed;
}

}  // namespace

// check FILE.ine
int cmdCheck(const Args& args, std::ostream& out, std::ostream&) {
    if (args.size() != 1) return 2;
    CoursewareState set;
    printCheck(args[0], out, set);
    return 0;
}

// report FILE.ine: the check, then each question's answer, steps, skills and fits.
int cmdReport(const Args& args, std::ostream& out, std::ostream&) {
    if (args.size() != 1) return 2;
    CoursewareState set;
    if (!printCheck(args[0], out, set)) return 0;
    for (const QuestionAnalysis& analysis : analyseQuestionSet(set)) out << reportLine(analysis) << '\n';
    return 0;
}

}  // namespace talvoren::driver
