// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/check.h"

#include "core/question_parser.h"
#include "courseware/question_screening.h"

namespace talvoren {

namespace {

// Passes the parser's messages on as they come and keeps them for the list.
class KeepingSink : public MessageSink {
public:
    explicit KeepingSink(MessageSink& shown) : shown_(shown) {}
    void showMessage(const std::string& text) override {
        kept.push_back(text);
        shown_.showMessage(text);
    }
    Answer ask(const std::string& caption, const std::string& text, Buttons buttons, Icon icon) override {
        kept.push_back(text);
        return shown_.ask(caption, text, buttons, icon);
    }
    std::vector<std::string> kept;

private:
    MessageSink& shown_;
};

// Parses the unit's questions into line 0; one entry for each refused one.
std::vector<std::string> refusedQuestions(const CoursewareState& s, CoreState& core, int u) {
    std::vector<std::string> refused;
    KeepingSink keeping(core.messages);
    CoreState checking(keeping);
    for (int q = 1; q <= s.unitQuestionCount[u]; ++q) {
        keeping.kept.clear();
        if (parseQuestion(checking, 0, s.unitQuestions[u][q])) continue;
        const std::string& text = s.unitQuestions[u][q];
        refused.push_back(faultyQuestionEntry(
            s.unitTitles[u], s.unitQuestionLine[u][q], text,
            refusalPhrase(text, keeping.kept, checking.refusalReason, checking.refusalPosition)));
    }
    core.parseError = checking.parseError;
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
    verdict.edtErTangen.clear();
    verdict.lstErQues.clear();
    const QuestionSetParse parse = parseQuestionSetText(s, core.messages);
    if (!parse.ok || !parse.everyUnitClosed) {
        verdict.edtResult = "??? 問題に誤りがあります";
        verdict.edtErTangen = "問題に誤りです";
        verdict.lstErQues = {structureFaultEntry(parse)};
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

std::string faultyQuestionEntry(const std::string& title, int line, const std::string& text,
                                const std::string& reason) {
    return "「" + title + "」" + std::to_string(line) + "行目 " + text + "：" + reason;
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
