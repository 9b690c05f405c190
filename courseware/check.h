// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question-set editor's logic without its window: the check of the whole
// set (unit structure, then every question with the question parser), its
// verdict fields, and the rule for accepting the edited text.

#include <string>
#include <vector>

#include "core/cells.h"
#include "courseware/question_set.h"

namespace talvoren {

inline constexpr const char* checkPassedText = "☆☆☆　構文チェック成功　☆☆☆";

// The read-only result fields of the editor.
struct CheckVerdict {
    std::string unitCount;    // number of units, after a passing check
    std::string result;    // the verdict
    std::string faultyUnit;  // title of the first unit with a faulty question
    std::vector<std::string> faultyQuestions;  // that unit's faulty questions, as faultyQuestionEntry
};

// One faulty question in the list: its unit, its line in the text, the
// question and the parser's message, e.g. 「二」5行目 2x+3y<1：文字が多すぎます
std::string faultyQuestionEntry(const std::string& title, int line, const std::string& text,
                                const std::string& reason);

// checkSet: checks the question-set text, rebuilding the unit tables.
// Every question is parsed in a scratch state of its own, so the page's
// tables are never touched; the messages go to core's sink. True when the
// set passed. A unit not closed by its own
// ">>" fails the structure check, although loading accepts it.
bool checkQuestionSet(CoursewareState& s, CoreState& core, CheckVerdict& verdict);

// The editor dialog's state and handlers, the window aside.
class QuestionSetEditor {
public:
    void start(const std::string& questionSetPath);
    void textChanged();
    // True when this check passed; a failed check of an unchanged text is
    // false although that text may still be accepted.
    bool checkSet(CoursewareState& s, CoreState& core);
    // True when the dialog closes with OK; a changed text that has not
    // passed a check is refused with "エラーチェックしてください".
    bool acceptEdit(CoursewareState& s, MessageSink& messages);
    void setEditorCaption(const std::string& path);

    const CheckVerdict& verdict() const { return verdict_; }
    const std::string& caption() const { return caption_; }
    bool textEdited() const { return textEdited_; }
    bool checkPassed() const { return checkPassed_; }

private:
    CheckVerdict verdict_;
    std::string caption_ = "問題の編集";
    bool textEdited_ = false;
    bool checkPassed_ = true;
};

}  // namespace talvoren
