// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/check.h"

#include "core/question_parser.h"

namespace talvoren {

namespace {

// Parses the unit's questions into line 0; the texts that were refused.
std::vector<std::string> refusedQuestions(const CoursewareState& s, CoreState& core, int u) {
    std::vector<std::string> refused;
    for (int q = 1; q <= s.unitQuestionCount[u]; ++q)
        if (!parseQuestion(core, 0, s.unitQuestions[u][q])) refused.push_back(s.unitQuestions[u][q]);
    return refused;
}

bool runCheck(CoursewareState& s, CoreState& core, CheckVerdict& verdict) {
    verdict.edtErTangen.clear();
    verdict.lstErQues.clear();
    const QuestionSetParse parse = parseQuestionSetText(s, core.messages);
    if (!parse.ok || !parse.everyUnitClosed) {
        verdict.edtResult = "??? 問題に誤りがあります";
        verdict.edtErTangen = "問題に誤りです";
        return false;
    }
    for (int u = 1; u <= s.unitCount; ++u) {
        std::vector<std::string> refused = refusedQuestions(s, core, u);
        if (refused.empty()) continue;
        verdict.lstErQues = std::move(refused);
        verdict.edtTangen.clear();
        verdict.edtResult = "??? 誤りがあります ???";
        verdict.edtErTangen = s.unitTitles[u];
        return false;
    }
    verdict.edtTangen = std::to_string(s.unitCount);
    verdict.edtResult = checkPassedText;
    verdict.edtErTangen = "なし";
    verdict.lstErQues = {"なし"};
    return true;
}

}  // namespace

bool checkQuestionSet(CoursewareState& s, CoreState& core, CheckVerdict& verdict) {
    const char letter = core.unknownLetter;
    const bool passed = runCheck(s, core, verdict);
    core.unknownLetter = letter;
    return passed;
}

void QuestionSetEditor::formShow(const std::string& questionSetPath) {
    textEdited_ = false;
    setEditorCaption(questionSetPath);
    verdict_ = CheckVerdict{};
    checkPassed_ = true;
}

void QuestionSetEditor::memQuesChange() {
    verdict_ = CheckVerdict{};
    textEdited_ = true;
    checkPassed_ = false;
}

bool QuestionSetEditor::btnCompileClick(CoursewareState& s, CoreState& core) {
    const bool passed = checkQuestionSet(s, core, verdict_);
    if (passed) checkPassed_ = true;
    return passed;
}

bool QuestionSetEditor::btnOkClick(CoursewareState& s, MessageSink& messages) {
    if (textEdited_ && !checkPassed_) {
        messages.showMessage("エラーチェックしてください");
        return false;
    }
    if (textEdited_) s.questionSetSaved = false;
    return true;
}

void QuestionSetEditor::setEditorCaption(const std::string& path) { caption_ = "問題の編集：" + path; }

}  // namespace talvoren
