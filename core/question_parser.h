// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question parser: one question text (UTF-8; read byte by byte over its
// code-page-932 bytes) into the cells of lines[n]. Sets unknownLetter,
// hasDecimalPoint and parseError of the tables; its messages are left in
// their notices for the caller to show.

#include <string>
#include <string_view>
#include <vector>

#include "core/cells.h"

namespace talvoren {

bool parseQuestion(ExprTables& s, int n, std::string_view text);



// A question that is not on the page (a preview, a check), parsed in a state
// of its own: the page's lines, letter and decimal flag stay as they are.
struct ScratchQuestion {
    bool accepted = false;
    ExprLine line;  // the cells as the parser left them, also on a refusal
    char unknownLetter = '@';
    bool hasDecimalPoint = false;
    int parseError = 0;
    std::string refusalReason;  // see ExprTables
    int refusalPosition = 0;
    std::vector<Notice> notices;  // the parser's messages, in order
};
ScratchQuestion parseScratchQuestion(std::string_view text);
// The same for a line longer than a question may be (a pupil's written
// line, up to the line's 30 cells).
ScratchQuestion parseScratchLine(std::string_view text);

// The number reader over code-page-932 bytes. `position` is 1-based, at the
// first digit; it is left at the number's last byte. False on failure
// (parseError holds a code for the failures that have one).
bool readNumber(ExprTables& s, std::string_view cp932, int& position, int limit, ExprCell& out);

}  // namespace talvoren
