// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the file flows need of the question sequencing: loading a file into
// the worked page, restarting the set, the page caption and the unit dialog.

#include <string>

namespace talvoren {

enum class LoadOutcome {
    started,     // read, parsed and question 1 of unit 1 set up
    startedFromUtf8,  // the same with a UTF-8 file read as such: not saved as Shift-JIS yet
    missing,     // no file at the path (nothing changed)
    invalid,     // the structure or the first question was refused
    notCp932,    // not code page 932 and not read as UTF-8, as reported (the text is unchanged)
    unreadable,  // the file could not be read, or vanished before reading
    tooLarge,    // beyond the bounds of a question set: refused before reading
};

class QuestionSetRunner {
public:
    virtual ~QuestionSetRunner() = default;
    virtual LoadOutcome loadQuestionSet(const std::string& path) = 0;
    // The message for a set that loadQuestionSet found invalid.
    virtual std::string invalidSetText(const std::string& path) const { return path + ":問題が不正です"; }
    virtual bool startQuestionSet() = 0;
    virtual void showUnitTitle() = 0;
    virtual void chooseUnit() = 0;
};

}  // namespace talvoren
