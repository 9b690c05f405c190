// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A silent copy of the worked page: the whole state of the page (lines,
// letter, decimal flag, worksheet variables, what the windows show) in a
// session of its own, whose page draws nothing and whose messages are
// recorded instead of shown. Steps run on it with the tutor's own worksheet,
// pad, executor and judge, so what it derives is exactly what the page would
// draw; the real page is never touched.
//
//     SilentSession copy(frame.worksheet->pageState());   // the page as it stands
//     auto fresh = SilentSession::withQuestion("2x+3<5");  // or a question of its own
//     SilentSession next = *fresh;                          // sessions are values
//     StepOutcome o = next.step({1, OpCode::divide, "2"});
//     if (o.accepted) use(o.line, o.judgement, o.signReversed);
//     else show(o.messages);                                // the refusal, as the pupil would see it
//
// For anything finer, worksheet() gives the session's own Worksheet: its
// entry points and those of the input pad (input_pad.h) act on the copy.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cells.h"
#include "core/messages.h"
#include "solving/judge.h"
#include "solving/operations.h"
#include "solving/page.h"
#include "solving/worksheet.h"

namespace talvoren {

// A message sink that keeps every text instead of showing it. Captioned
// boxes are answered with `answer` when it is one of their buttons, else with
// their first button (OK, Abort, Yes), as a pupil pressing Enter would.
class MessageLog : public MessageSink {
public:
    void showMessage(const std::string& text) override { texts.push_back(text); }
    Answer ask(const std::string& caption, const std::string& text, Buttons buttons, Icon icon) override;

    std::vector<std::string> texts;   // every message and box text, in order
    std::optional<Answer> answer;     // the answer to boxes; nullopt: the first button
};

// A page that draws nothing. It remembers what a step asked of it that a
// caller may want to know: whether the relation was drawn turned round.
// Pages that record only some events (the driver's, tests') derive from it.
class SilentPage : public Page {
public:
    void showDescription(const std::string&) override {}
    void showPanel(const std::string&) override {}
    void setJikkouEnabled(bool) override {}
    void setLineButtonEnabled(int, bool) override {}
    bool hasLineImage(int n) const override;
    void clearLineImage(int) override {}
    void drawCaption(int, const std::string&) override {}
    bool typeset(int n, TypesetMode mode, const ExprLine& line, bool hasDecimalPoint, bool signReversed) override;
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
    AnswerKind chooseSpecialAnswer() override { return specialAnswer; }

    AnswerKind specialAnswer = AnswerKind::none;  // the special-answer dialog's answer: none closes it
    bool lastLineSignReversed = false;  // of the last line drawn (not the answer image)
};

// One step as a pupil takes it.
struct StepRequest {
    int line = 0;              // the line selected first (1..lineCount)
    OpCode operation = OpCode::none;
    std::string padText;       // typed key by key: "-" first, digits, ".", "分の", the letter
    int secondLine = 0;        // a second line for ＋ and －, 0 for none
};

struct StepOutcome {
    bool accepted = false;       // a new line was appended
    int lineNumber = 0;          // its number (lineCount afterwards)
    ExprLine line;               // its cells and caption (the sentence)
    AnswerKind judgement = AnswerKind::none;  // the judge's verdict on the new line
    bool signReversed = false;   // the step turned the relation round (drawn red)
    std::vector<std::string> messages;  // what the step showed, in order: a refusal's reason
};

class SilentSession {
public:
    // A copy of a page's state (Worksheet::pageState()).
    explicit SilentSession(const PageState& state);
    // A fresh page of lineCapacity slots with the question as line 1, set up
    // as at the start of a question set (already solved when it is an
    // answer); nullopt when the parser refuses the question.
    static std::optional<SilentSession> withQuestion(const std::string& question,
                                                     int lineCapacity = defaultLineCapacity);

    SilentSession(const SilentSession& other);
    SilentSession& operator=(const SilentSession& other);

    // The whole state, for another copy.
    PageState pageState() const { return worksheet_.pageState(); }

    Worksheet& worksheet() { return worksheet_; }
    const Worksheet& worksheet() const { return worksheet_; }
    const ExprTables& tables() const { return core_.tables(); }
    const ExprLine& line(int n) const { return core_.lines[static_cast<std::size_t>(n)]; }
    int lineCount() const { return worksheet_.state().lineCount; }
    char unknownLetter() const { return core_.unknownLetter; }

    // Runs a whole step: selects the line, chooses the operation (through
    // the buttons' own checks), types the pad text through the pad's rules,
    // selects the second line, and executes. A step the pad does not take as
    // typed (the panel does not end up reading padText) is not executed.
    StepOutcome step(const StepRequest& request);

    // Every message since the session began (or was last cleared).
    const std::vector<std::string>& messages() const { return log_.texts; }
    void clearMessages() { log_.texts.clear(); }
    // Answers for the boxes and the special-solution dialog of later steps.
    void answerBoxesWith(std::optional<Answer> answer) { log_.answer = answer; }
    void answerSpecialWith(AnswerKind choice) { page_.specialAnswer = choice; }

private:
    // Types the text on the pad; false when a key was not taken.
    bool type(std::string_view text);

    MessageLog log_;
    SilentPage page_;
    CoreState core_;
    Worksheet worksheet_;
};

}  // namespace talvoren
