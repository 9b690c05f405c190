// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a question-set file for use. The format is code page 932
// (Shift-JIS); a file that is not is refused saying so. Most editors now save
// UTF-8, so a UTF-8 file may be read as such when the teacher agrees: its
// text is then held as any other and written back in code page 932 when the
// set is saved.

#include <string>

#include "core/messages.h"
#include "courseware/question_set.h"

namespace talvoren {

// PATH：シフトJISのテキストではありません
std::string notShiftJisText(const std::string& path);
// The offer to read a UTF-8 file as UTF-8 (確認, Yes/No).
std::string readAsUtf8Question(const std::string& path);

struct SetReading {
    ReadStatus status = ReadStatus::ok;
    bool fromUtf8 = false;  // read as UTF-8: the file on disk is not yet Shift-JIS
};

// As readQuestionSetFile, and a file that is not Shift-JIS (notCp932) is
// reported here: a UTF-8 one with the offer to read it as UTF-8, accepted
// only when every character has a Shift-JIS form (else the first that has
// none is named).
SetReading readQuestionSetForUse(CoursewareState& s, const std::string& path, MessageSink& messages);

}  // namespace talvoren
