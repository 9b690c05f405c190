#include <ostream>

#include "core/cells.h"
#include "courseware/check.h"
#include "courseware/question_set.h"
#include "tools/driver.h"
#include "tools/driver_transcript.h"

namespace talvoren::driver {

// check FILE.ine: the editor's check of the file as read from disk.
int cmdCheck(const Args& args, std::ostream& out, std::ostream&) {
    if (args.size() != 1) return 2;
    ReplyQueue replies;
    TranscriptSink sink(out, replies);
    CoreState core(sink);
    CoursewareState set;

    const ReadStatus status = readQuestionSetFile(set, args[0]);
    if (status != ReadStatus::ok) sink.showMessage(readFailureText(args[0], status));

    CheckVerdict verdict;
    checkQuestionSet(set, core, verdict);
    out << "units: " << verdict.edtTangen << '\n';
    out << "result: " << verdict.edtResult << '\n';
    out << "faultyUnit: " << verdict.edtErTangen << '\n';
    for (const std::string& question : verdict.lstErQues) out << "faulty: " << question << '\n';
    return 0;
}

}  // namespace talvoren::driver
