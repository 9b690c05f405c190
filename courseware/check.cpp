// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/check.h"

#include "core/question_parser.h"
#include "courseware/question_screening.h"

namespace talvoren {

namespace {

// Parses the unit's questions, each on scratch tables of its own, showing
// the parser's messages as they come; one entry for each refused question.
std::vector<std::string> refusedQuestions(const CoursewareState& s, MessageSink& messages, int u) {
    std::vector<std::string> refused;
    for (int q = 1; q <= s.unitQuestionCount()[u]; ++q) {
        const std::string& text = s.unitQuestions()[u][q];
        ScratchQuestion checked = parseScratchQuestion(text);
        const std::vector<std::string> said = noticeTexts(checked.notices);
        showNotices(messages, checked.notices);
        if (checked.accepted) continue;
        refused.push_back(faultyQuestionEntry(
            s.unitTitles()[u], s.unitQuestionLine()[u][q], text,
            refusalPhrase(text, said, checked.refusalReason, checked.refusalPosition)));
    }
    return refused;
}

// The line where the set's structure went wrong and why.
std::string structureFaultEntry(const QuestionSetParse& parse) {
    if (parse.ok) return std::to_string(parse.unclosedUnitLine) + "行目：この単元が >> で閉じられていません";
    if (parse.stopLine == 0) return parse.stopReason;
    return std::to_string(parse.stopLine) + "行目：" + parse.stopReason;
}

}  // namespace

bool checkQuestionSet(CoursewareState& s, CoreState& core, CheckVerdict& verdict) {
    verdict.faultyUnit.clear();
    verdict.faultyQuestions.clear();
    const QuestionSetParse parse = parseQuestionSetText(s, core.messages);
    if (!parse.ok || !parse.everyUnitClosed) {
        verdict.result = "??? 問題に誤りがあります";
        verdict.faultyUnit = "問題に誤りです";
        verdict.faultyQuestions = {structureFaultEntry(parse)};
        return false;
    }
    for (int u = 1; u <= s.unitCount(); ++u) {
        std::vector<std::string> refused = refusedQuestions(s, core.messages, u);
        if (refused.empty()) continue;
        verdict.faultyQuestions = std::move(refused);
        verdict.unitCount.clear();
        verdict.result = "??? 誤りがあります ???";
        verdict.faultyUnit = s.unitTitles()[u];
        return false;
    }
    verdict.unitCount = std::to_string(s.unitCount());
    verdict.result = checkPassedText;
    verdict.faultyUnit = "なし";
    verdict.faultyQuestions = {"なし"};
    return true;
}

std::string faultyQuestionEntry(const std::string& title, int line, const std::string& text,
                                const std::string& reason) {
    return "「" + title + "」" + std::to_string(line) + "行目 " + text + "：" + reason;
}

void QuestionSetEditor::start(const std::string& questionSetPath) {
    textEdited_ = false;
    setEditorCaption(questionSetPath);
    verdict_ = CheckVerdict{};
    checkPassed_ = true;
}

void QuestionSetEditor::textChanged() {
    verdict_ = CheckVerdict{};
    textEdited_ = true;
    checkPassed_ = false;
}

bool QuestionSetEditor::checkSet(CoursewareState& s, CoreState& core) {
    const bool passed = checkQuestionSet(s, core, verdict_);
    if (passed) checkPassed_ = true;
    return passed;
}

bool QuestionSetEditor::acceptEdit(CoursewareState& s, MessageSink& messages) {
    if (textEdited_ && !checkPassed_) {
        messages.showMessage("エラーチェックしてください");
        return false;
    }
    if (textEdited_) s.setSaved(false);
    return true;
}

void QuestionSetEditor::setEditorCaption(const std::string& path) { caption_ = "問題の編集：" + path; }

}  // namespace talvoren
