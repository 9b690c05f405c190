// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's read command: the kana a speech engine is given for a text.

#include "core/question_parser.h"
#include "core/reading.h"
#include "tools/driver.h"

namespace talvoren::driver {

std::string readingOf(const std::string& text) {
    // The parser's complaints about a text that is not a question are not
    // shown: such a text is read as a sentence or a message instead.
    const ScratchQuestion question = parseScratchQuestion(text);
    if (question.accepted) return lineReading(question.line, question.hasDecimalPoint);
    return textReading(text);
}

int cmdRead(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "read: one text expected\n";
        return 2;
    }
    out << "read: " << readingOf(args[0]) << '\n';
    return 0;
}

}  // namespace talvoren::driver
