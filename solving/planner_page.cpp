// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/planner_page.h"

#include <map>

#include "solving/executor.h"
#include "solving/input_pad.h"
#include "solving/judge.h"
#include "solving/operations.h"
#include "solving/page.h"
#include "solving/worksheet.h"

namespace talvoren::planning {

namespace {

class SilentPage : public Page {
public:
    int sentakuChoice = sentakuClosed;

    void showDescription(const std::string&) override {}
    void showPanel(const std::string&) override {}
    void setJikkouEnabled(bool) override {}
    void setNextEnabled(bool) override {}
    void setLineButtonEnabled(int, bool) override {}
    bool hasLineImage(int n) const override { return (n >= 1 && n <= lastLabelledLine()) || n == answerLineIndex; }
    void clearLineImage(int) override {}
    void drawCaption(int, const std::string&) override {}
    bool typeset(int, int, const ExprLine&, bool, bool) override { return true; }
    void drawLineLabel(int, const std::string&) override {}
    void placeAnswerBox(int) override {}
    void hideAnswerBox() override {}
    void writeAnswerText(const std::string&) override {}
    void setLetterKeyCaption(char) override {}
    void setBlinkTimer(bool) override {}
    void showNextGlyph(int) override {}
    void unmarkAllLines() override {}
    void setPageCaption(const std::string&) override {}
    void focusButton(FocusTarget) override {}
    int showSentaku() override { return sentakuChoice; }
    void questionSolved() override {}

private:
    static constexpr int lastLabelledLine() { return 14; }
};

}  // namespace

Answer SilentSink::ask(const std::string&, const std::string&, Buttons buttons, Icon) {
    switch (buttons) {
    case Buttons::ok: return Answer::ok;
    case Buttons::abortRetryIgnore: return Answer::abort;
    default: return Answer::yes;
    }
}

struct SilentWorksheet {
    SilentWorksheet(char unknownLetter, bool hasDecimalPoint, int capacity)
        : core(sink), ws(core, page, capacity) {
        core.unknownLetter = unknownLetter;
        core.hasDecimalPoint = hasDecimalPoint;
    }

    SilentSink sink;
    SilentPage page;
    CoreState core;
    Worksheet ws;
};

// ---- single steps ----------------------------------------------------------

namespace {
constexpr int sourceLine = 1;
constexpr int targetLine = 2;
}  // namespace

StepRunner::StepRunner(char unknownLetter, bool hasDecimalPoint)
    : w_(std::make_unique<SilentWorksheet>(unknownLetter, hasDecimalPoint, defaultLineCapacity)) {}

StepRunner::~StepRunner() = default;

bool StepRunner::execute(const ExprLine& from, const PlanMove& move) {
    Worksheet& ws = w_->ws;
    w_->core.lines[sourceLine] = from;
    w_->core.lines[targetLine].cellCount = 0;
    // The state 実行 leaves for the executor: the new line's slot counted,
    // one line selected, the pad's number parsed. The sentence is not needed
    // while searching, so the pad text is left out.
    ws.lineCount = targetLine;
    ws.firstLine = sourceLine;
    ws.secondLine = 0;
    ws.selectState = 2;
    ws.stepState = move.opCode == 'S' || move.opCode == 'I' || move.opCode == 'K' ? 2 : 3;
    ws.enteredTerm = move.term;
    ws.enteredText.clear();
    ws.signReversed = false;
    return applyOperation(ws, move.opCode);
}

const ExprLine& StepRunner::result() const { return w_->core.lines[targetLine]; }

int StepRunner::judge(const ExprLine& line) {
    w_->core.lines[sourceLine] = line;
    w_->ws.lineCount = sourceLine;
    return judgeLine(w_->ws, sourceLine);
}

// ---- replaying a plan ------------------------------------------------------

PageReplay::PageReplay(const CoreState& page, int lineCount, int capacity)
    : w_(std::make_unique<SilentWorksheet>(page.unknownLetter, page.hasDecimalPoint, capacity)) {
    for (int n = 1; n <= lineCount && n < answerLineIndex; ++n)
        w_->core.lines[static_cast<std::size_t>(n)] = page.lines[static_cast<std::size_t>(n)];
    w_->ws.lineCount = lineCount;
}

PageReplay::~PageReplay() = default;

void PageReplay::press(const std::string& control, int sentakuChoice) {
    Worksheet& ws = w_->ws;
    w_->page.sentakuChoice = sentakuChoice;
    static const std::map<std::string, int> operationButtons = {
        {"btnKake", op::multiply}, {"btnWaru", op::divide},   {"btnTasu", op::add},
        {"btnHiku", op::subtract}, {"btnSeiri", op::collect}, {"btnIkou", op::transpose},
        {"btnKakko", op::removeBrackets},
    };
    if (const auto it = operationButtons.find(control); it != operationButtons.end()) {
        operationButtonClick(ws, it->second);
    } else if (control.starts_with("btnShiki")) {
        ws.selectLine(std::stoi(control.substr(8)));
    } else if (control.starts_with("Image")) {
        ws.selectLine(std::stoi(control.substr(5)));
    } else if (control == "btnMinus") {
        btnMinusClick(ws);
    } else if (control == "btnBunsu") {
        padKey(ws, padText::fraction);
    } else if (control == "btnMoji") {
        btnMojiClick(ws);
    } else if (control == "btnJikkou") {
        if (ws.jikkouEnabled()) ws.btnJikkouClick();
    } else if (control.size() == 4 && control.starts_with("btn")) {
        padKey(ws, control.substr(3));
    }
}

int PageReplay::lineCount() const { return w_->ws.lineCount; }
const ExprLine& PageReplay::line(int n) const { return w_->core.lines[static_cast<std::size_t>(n)]; }
int PageReplay::answerKind() const { return w_->ws.answerKind; }

}  // namespace talvoren::planning
