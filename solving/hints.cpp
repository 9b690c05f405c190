// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/hints.h"

#include <algorithm>
#include <utility>

#include "solving/hint_texts.h"
#include "solving/input_pad.h"
#include "solving/line_labels.h"
#include "solving/operations.h"
#include "solving/worksheet.h"
#include "solving/writing_hints.h"
#include "solving/written_line.h"

namespace talvoren {

namespace {

// A number as the pupil reads it: 5, -3, 3分の2 (the pad's way of writing 2/3).
std::string numberText(const ExprCell& c) {
    const bool negative = (c.num < 0) != (c.den < 0);
    const std::string num = std::to_string(c.num < 0 ? -static_cast<long long>(c.num) : c.num);
    const std::string den = std::to_string(c.den < 0 ? -static_cast<long long>(c.den) : c.den);
    return (negative && c.num != 0 ? "-" : "") + (den == "1" ? num : den + "分の" + num);
}

std::string relationText(CellKind k) {
    switch (k) {
    case CellKind::less: return "<";
    case CellKind::greater: return ">";
    case CellKind::lessEqual: return "≦";
    case CellKind::greaterEqual: return "≧";
    default: return "?";
    }
}

struct StepTexts {
    OpCode opCode;
    HintText where;
    HintText whereTerm;  // the number is a term in the unknown
    HintText step;
};

constexpr StepTexts stepTexts[] = {
    {OpCode::removeBrackets, HintText::whereBrackets, HintText::whereBrackets, HintText::stepBrackets},
    {OpCode::transpose, HintText::whereTranspose, HintText::whereTranspose, HintText::stepTranspose},
    {OpCode::collect, HintText::whereCollect, HintText::whereCollect, HintText::stepCollect},
    {OpCode::multiply, HintText::whereMultiply, HintText::whereMultiply, HintText::stepMultiply},
    {OpCode::divide, HintText::whereDivide, HintText::whereDivide, HintText::stepDivide},
    {OpCode::add, HintText::whereAdd, HintText::whereAddTerm, HintText::stepAdd},
    {OpCode::subtract, HintText::whereSubtract, HintText::whereSubtractTerm, HintText::stepSubtract},
};

const StepTexts& textsOf(OpCode opCode) {
    for (const StepTexts& t : stepTexts)
        if (t.opCode == opCode) return t;
    return stepTexts[0];
}

// The hint for a plan whose first step is `step`.
Hint stepHint(const Worksheet& ws, const PlanStep& step, int level) {
    const HintFields fields{{'L', std::string(lineLabel(step.line))},
                            {'N', step.padText},
                            {'X', std::string(1, ws.core().unknownLetter)}};
    const StepTexts& texts = textsOf(step.opCode);
    const bool term = step.padText.find(ws.core().unknownLetter) != std::string::npos;
    Hint hint;
    switch (level) {
    case 1: hint.text = hintText(term ? texts.whereTerm : texts.where, fields); break;
    case 2: hint.text = hintText(texts.step, fields); break;
    default:
        hint.text = hintText(HintText::setUp, fields);
        hint.setUp = step;
        break;
    }
    if (turnsRelationRound(step.opCode, step.term))
        hint.text += hintText(step.opCode == OpCode::multiply ? HintText::whyMultiplyNegative : HintText::whyDivideNegative);
    return hint;
}

// The hint for a line that is an answer already but was not taken as one:
// a relation between numbers whose kind the pupil has not named yet, or a
// question set up in its solved form. Collecting it again brings the judging
// back.
Hint answerHint(const Worksheet& ws, const HintPlan& chosen, int level) {
    const ExprLine& line = ws.line(chosen.line);
    const Plan& plan = chosen.plan;
    HintFields fields{{'L', std::string(lineLabel(chosen.line))}, {'X', std::string(1, ws.core().unknownLetter)}};
    if (line.cellCount == 3) {
        fields['A'] = numberText(line.cells[0]);
        fields['R'] = relationText(line.cells[1].kind);
        fields['B'] = numberText(line.cells[2]);
    }
    const bool numbers = plan.answer != AnswerKind::solved;
    Hint hint;
    switch (level) {
    case 1: hint.text = hintText(numbers ? HintText::numbersCompare : HintText::answerShape, fields); break;
    case 2:
        hint.text = hintText(!numbers                                  ? HintText::answerShapeStep
                             : plan.answer == AnswerKind::noSolution ? HintText::numbersFalse
                                                                     : HintText::numbersTrue,
                             fields);
        break;
    default:
        hint.text = hintText(numbers ? HintText::numbersSetUp : HintText::answerShapeSetUp, fields);
        hint.setUp = PlanStep{};
        hint.setUp->line = chosen.line;
        hint.setUp->opCode = OpCode::collect;
        break;
    }
    return hint;
}

}  // namespace

Plan planWithPlanner(const CoreState& page, int lineCount, int line, int capacity) {
    return planFromLine(page, lineCount, line, capacity);
}

std::optional<HintPlan> chooseHintLine(const Worksheet& ws, const LinePlanner& planner) {
    std::optional<HintPlan> best;
    const WorksheetState& page = ws.state();
    for (int n = 1; n <= page.lineCount; ++n) {
        Plan plan = planner(ws.core(), page.lineCount, n, page.lineCapacity);
        if (!plan.found() || page.lineCount + plan.length() > page.lineCapacity) continue;
        // Later lines win ties: <=.
        if (!best || plan.length() <= best->plan.length()) best = HintPlan{n, std::move(plan)};
    }
    return best;
}

Hint hintFor(const Worksheet& ws, const std::optional<HintPlan>& chosen, int level) {
    if (!chosen) return {hintText(HintText::noPlan), std::nullopt};
    if (chosen->plan.steps.empty()) return answerHint(ws, *chosen, level);
    return stepHint(ws, chosen->plan.steps.front(), level);
}

std::vector<std::string> padKeysOf(const std::string& padText) {
    std::vector<std::string> keys;
    const std::string fraction(padText::fraction);
    for (std::size_t i = 0; i < padText.size();) {
        if (padText.compare(i, fraction.size(), fraction) == 0) {
            keys.push_back(fraction);
            i += fraction.size();
        } else {
            keys.emplace_back(1, padText[i]);
            ++i;
        }
    }
    return keys;
}

std::string turnedRelationNotice(OpCode opCode, bool turned) {
    if (!turned) return "";
    return hintText(opCode == OpCode::multiply ? HintText::turnedByMultiplying : HintText::turnedByDividing);
}

std::string solvedStatus(int steps, std::optional<int> shortest, int hintsUsed) {
    HintFields fields{{'S', std::to_string(steps)}, {'H', std::to_string(hintsUsed)}};
    if (shortest) fields['M'] = std::to_string(*shortest);
    std::string text = hintText(shortest ? HintText::statusSolvedShortest : HintText::statusSolved, fields);
    if (hintsUsed > 0) text += hintText(HintText::statusHintsUsed, fields);
    return text;
}

// ---- the coach ---------------------------------------------------------------

HintCoach::HintCoach(Worksheet& ws, LinePlanner planner) : ws_(ws), planner_(std::move(planner)) {
    ws_.setListener(this);
    enabled_ = ws_.state().lineCount >= 1 && !ws_.state().solvedFlag;
}

HintCoach::~HintCoach() { ws_.setListener(nullptr); }

void HintCoach::giveHint() {
    if (!enabled_) return;
    if (ws_.state().step == StepState::Writing) return writingHint();
    if (!chosen_) chosen_ = chooseHintLine(ws_, planner_);
    level_ = std::min(level_ + 1, lastHintLevel);
    ++hintsUsed_;
    const Hint hint = hintFor(ws_, *chosen_, level_);
    if (hint.setUp) setUpStep(*hint.setUp);
    showHint(hint.text);
    ws_.focusDefaultButton();
}

bool HintCoach::hintKey(char32_t key) {
    if (key != U'h' && key != U'H') return false;
    if (key == static_cast<unsigned char>(ws_.core().unknownLetter)) return false;
    giveHint();
    return true;
}

void HintCoach::setUpStep(const PlanStep& step) {
    // A step in progress is cancelled as 訂正 cancels it: no line is taken back.
    if (ws_.state().step != StepState::Idle) ws_.resetStep();
    ws_.selectLine(step.line);
    operationButtonClick(ws_, step.opCode);
    for (const std::string& key : padKeysOf(step.padText)) {
        if (key == padText::minus)
            minusKey(ws_);
        else
            padKey(ws_, key);
    }
}

void HintCoach::restartLevels() {
    level_ = 0;
    chosen_.reset();
}

void HintCoach::pageCleared() {
    restartLevels();
    hintsUsed_ = 0;
    showHint("");
    showStatus("");
    setEnabled(false);
}

void HintCoach::questionSetUp() {
    restartLevels();
    hintsUsed_ = 0;
    showStatus("");
    setEnabled(true);
}

void HintCoach::writingHint() {
    const WrittenStep* step = ws_.writtenStep();
    if (!step) return;
    level_ = std::min(level_ + 1, lastHintLevel);
    ++hintsUsed_;
    if (level_ == lastHintLevel) ws_.setEntryText(writtenTextOf(step->right));
    showHint(talvoren::writingHint(*step, ws_.state().enteredText, level_));
    ws_.focusDefaultButton();
}

void HintCoach::lineEntryOpened() {
    restartLevels();
    showHint("");
}

void HintCoach::lineJudged(const LineVerdict& verdict) {
    if (verdict.kind != VerdictKind::right) hintLine_ = verdict.text;
    keepVerdict_ = verdict.kind == VerdictKind::shown;
    ws_.page().showVerdict(verdict);
}

void HintCoach::stepExecuted() {
    restartLevels();
    if (std::exchange(keepVerdict_, false)) return;
    const WorksheetState& page = ws_.state();
    showHint(turnedRelationNotice(page.opCode, turnsRelationRound(page.opCode, page.enteredTerm)));
}

void HintCoach::lineTakenBack() {
    restartLevels();
    showHint("");
}

void HintCoach::stepCancelled() {
    // The last hint set the cancelled step up; it no longer speaks of the page.
    if (level_ < lastHintLevel) return;
    restartLevels();
    showHint("");
}

void HintCoach::solvedShown() {
    setEnabled(false);
    const int steps = ws_.state().lineCount - 1;
    if (steps < 1) return;  // a question set up in its solved form
    std::optional<int> shortest;
    // From the question as it stood on a fresh page.
    if (const Plan plan = planner_(ws_.core(), 1, 1, ws_.state().lineCapacity); plan.found())
        shortest = plan.length();
    std::string status = solvedStatus(steps, shortest, hintsUsed_);
    if (const std::string written = writingStatus(ws_.writingTally()); !written.empty()) status += "　" + written;
    showStatus(status);
}

void HintCoach::showHint(std::string text) {
    if (text.empty() && hintLine_.empty()) return;
    hintLine_ = std::move(text);
    ws_.page().showHint(hintLine_);
}

void HintCoach::showStatus(std::string text) {
    if (text == statusLine_) return;
    statusLine_ = std::move(text);
    ws_.page().showStatus(statusLine_);
}

void HintCoach::setEnabled(bool on) {
    enabled_ = on;
    ws_.page().setHintEnabled(on);
}

}  // namespace talvoren
