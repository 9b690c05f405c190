// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Silent copies of a page for the planner: the tutor's own worksheet,
// executor and judge, with a message sink and a page that show nothing.
// `StepRunner` executes single steps during the search; `PageReplay` carries
// out a found plan key by key on a copy of the real page, which gives every
// line its caption exactly as the page will draw it.

#include <memory>
#include <string>

#include "core/cells.h"
#include "core/messages.h"
#include "solving/planner_moves.h"

namespace talvoren {

class Worksheet;

namespace planning {

// A box asked while planning takes its first button, as an unanswered
// script does: a transposition that moves nothing is then refused.
class SilentSink : public MessageSink {
public:
    void showMessage(const std::string&) override {}
    Answer ask(const std::string& caption, const std::string& text, Buttons buttons, Icon icon) override;
};

struct SilentWorksheet;  // the sink, the page, the tables and the worksheet

class StepRunner {
public:
    StepRunner(char unknownLetter, bool hasDecimalPoint);
    ~StepRunner();

    // Executes the move on `from` (as line 1 of the copy) by the executor;
    // false when the step is refused. The new line is then `result()`.
    bool execute(const ExprLine& from, const PlanMove& move);
    const ExprLine& result() const;
    // The judge's verdict on a line (judged::notAnswer, solved, ...).
    int judge(const ExprLine& line);

private:
    std::unique_ptr<SilentWorksheet> w_;
};

class PageReplay {
public:
    PageReplay(const CoreState& page, int lineCount, int capacity);
    ~PageReplay();

    // Presses the controls in order; the special-solution dialog, should it
    // open, is answered with `sentakuChoice` (a Page sentaku result).
    void press(const std::string& control, int sentakuChoice);
    int lineCount() const;
    const ExprLine& line(int n) const;
    int answerKind() const;

private:
    std::unique_ptr<SilentWorksheet> w_;
};

}  // namespace planning
}  // namespace talvoren
