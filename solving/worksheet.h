// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet: the worked page of the current question and its step state
// machine. A step is: select a line, choose an operation, type a number on
// the pad, press 実行. Each accepted step appends one derived line with its
// sentence; correction (訂正) cancels the step in progress or takes back the
// last line.
//
// The worksheet owns its state: the variables below change only through its
// entry points, and everyone else reads them through state(). It keeps the
// model of what the windows show (the description line, the number panel,
// the enabled flags of btnJikkou, btnNext and the line buttons, the blink
// timer) and mirrors every change to the Page.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/cells.h"
#include "solving/judge.h"
#include "solving/line_diagnosis.h"
#include "solving/operations.h"
#include "solving/page.h"
#include "solving/page_layout.h"
#include "solving/worksheet_listener.h"

namespace talvoren {

struct StepContext;

// Where a step stands.
enum class StepState {
    Idle,          // waiting for a first line
    LineChosen,    // firstLine set, no operation yet
    OpChosen,      // operation chosen, pad still untouched
    Typing,        // operation chosen, pad input accepted at least once
    SecondChosen,  // operation chosen, secondLine set
    Writing,       // 計算も自分で: the step is executed, the pupil writes its line
};

// An operation has been chosen and the pad takes keys.
inline bool padOpen(StepState s) { return s == StepState::OpChosen || s == StepState::Typing; }

// The numbers the transcript's state line shows: the step state as the pair
// (selectState, stepState), the answer kind as 0, 1, 3 (infinitely many) or
// 4 (no solution).
struct StateNumbers {
    int selectState;
    int stepState;
};
StateNumbers stateNumbers(StepState s);
int answerKindNumber(AnswerKind kind);

// The description line at the start of every step.
inline constexpr std::string_view nextStepPrompt = "式を指定してください";

inline constexpr std::string_view wrongOperationMessage = "操作が誤りです。例①＋②［実行］";

// The number being typed, as the description line writes it: where it
// begins there, and whether it is negative (written in brackets, "(-3)").
struct PadEntry {
    std::optional<std::size_t> from;
    bool negative = false;
};

// The worksheet variables: a plain value.
struct WorksheetState {
    int lineCount = 0;       // newest line; 0 while the page is clear
    int lineCapacity = defaultLineCapacity;  // line slots of the page
    StepState step = StepState::Idle;
    int firstLine = 0;
    int secondLine = 0;
    OpCode opCode = OpCode::none;
    ExprCell enteredTerm = ZERO;
    std::string enteredText;
    AnswerKind answerKind = AnswerKind::none;  // the answer the pupil has given
    bool solvedFlag = false;
    bool signReversed = false;
    bool selectionMade = false;
    PadEntry padEntry;
};

// What the windows show of the worksheet, kept so that it can be read back.
struct PageModel {
    std::string description;  // lblMess
    std::string panel;        // pnlNumber
    bool jikkouEnabled = false;
    bool correctionEnabled = true;  // btnTeisei: off while an answer stands
    std::array<bool, maxLineButtons + 1> lineButtonEnabled{};
    bool blinkTimerOn = false;
};

// The whole state of the worked page as a value: the expression tables
// (lines, letter, decimal flag), the worksheet variables and what the
// windows show. Worksheet::pageState() takes one; a SilentSession
// (solving/silent_session.h) runs steps on a copy.
struct PageState {
    ExprTables tables;
    WorksheetState worksheet;
    PageModel shown;
};

class Worksheet {
public:
    Worksheet(CoreState& core, Page& page, int lineCapacity = defaultLineCapacity);
    // A worksheet on a copy of a page's state; core must already hold the
    // state's tables.
    Worksheet(CoreState& core, Page& page, const PageState& state);
    // A worksheet with the state of another (core must hold its tables).
    Worksheet(CoreState& core, Page& page, const Worksheet& other);
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    // Read-only views.
    const WorksheetState& state() const { return state_; }
    const CoreState& core() const { return core_; }
    const ExprLine& line(int n) const { return core_.lines[static_cast<std::size_t>(n)]; }
    // The windows the worksheet shows itself in.
    Page& page() const { return page_; }

    // A copy of the whole state of the page.
    PageState pageState() const;
    // Puts a page's whole state back, tables included; draws nothing.
    void restore(const PageState& state);
    // Takes the worksheet variables and the shown state of another worksheet.
    void copyStateFrom(const Worksheet& other);

    // The page tells how many line slots it shows.
    void setLineCapacity(int capacity);

    // Entry points.
    void selectLine(int n);
    void chooseOperation(OpCode code);
    void execute();
    void correct();
    void resetStep();
    void clearPage();
    bool setUpQuestion(int number, const std::string& text);
    // Clears the page, sets up the set's first question and shows it solved
    // when it already is; false when the question is refused.
    bool startQuestionSet(const std::string& firstQuestion);
    void drawLine(int n);
    void showSolved();
    // 次の問題 and a change of unit take the solved state off show.
    void clearSolved();
    void writeAnswerText(const std::string& text);
    // Whether line n has a button (btnShiki1..btnShiki12 within the page).
    bool lineButton(int n) const;
    void focusDefaultButton();

    // Judges line n; a solved line becomes the answer line.
    AnswerKind judged(int n);
    // Acts on the judge's verdict after a step and sets answerKind: draws
    // the answer line, or asks the special-solution dialog until the right
    // kind is named or the dialog is closed.
    void concludeJudgement(AnswerKind verdict);

    // The pad's changes to its display and the description line; the rules
    // of what a key may add are the pad's (input_pad.h).
    // A digit, point, "分の" or letter: Typing, 実行 enabled.
    void padAppend(std::string_view text);
    // The minus sign: itself on the display, after "(" in the description.
    void padMinus(std::string_view minus);
    // CL: the description without the entry, an empty display.
    void padClear();
    // 整理 and 移項 choose their operation and enable 実行 even when the
    // choice was refused.
    void chooseOperationEnablingJikkou(OpCode code);
    // Whether the first line holds a bracket; false while no line is selected.
    bool firstLineHasBrackets() const;

    // The model of the page.
    const PageModel& shown() const { return shown_; }
    const std::string& description() const { return shown_.description; }
    const std::string& panel() const { return shown_.panel; }
    bool jikkouEnabled() const { return shown_.jikkouEnabled; }
    bool correctionEnabled() const { return shown_.correctionEnabled; }
    bool lineButtonEnabled(int n) const;
    bool blinkTimerOn() const { return shown_.blinkTimerOn; }

    void showMessage(std::string_view text);
    // Shows what the model has left to say (the parsers' and arithmetic's
    // notices), in order.
    void showNotices();

    // 計算も自分で: 実行 opens an entry on the new line instead of drawing
    // it; the pupil writes the line and the tutor judges it. Off by default.
    void setSelfWrite(bool on) { selfWrite_ = on; }
    bool selfWrite() const { return selfWrite_; }
    // The line the entry is open on (0 when none), the text typed so far,
    // the step being written and the tutor's own line for it.
    int entryLine() const { return entry_ ? entry_->target : 0; }
    const std::string& entryText() const { return entryText_; }
    const WrittenStep* writtenStep() const { return entry_ ? &entry_->step : nullptr; }
    // The entry's text as typed (the keyboard, the pad, a hint filling it).
    void setEntryText(std::string text);
    void entryAppend(std::string_view text);
    // Enter / 実行 on the entry: judges the text.
    void submitWrittenLine();
    // The pupil's written lines on this question.
    const WritingTally& writingTally() const { return tally_; }

    // Who hears of the page's progress; nullptr for nobody. A listener put
    // in front of another passes every event on to the one it found here.
    void setListener(WorksheetListener* listener);
    WorksheetListener* listenerInPlace() const { return listener_; }
    // Who counts a solved question (the practice records); empty for nobody.
    void setSolvedReport(std::function<void()> report);

private:
    // The page model's setters, each mirrored to the Page.
    void setDescription(std::string text);
    void appendDescription(std::string_view text);
    void setPanel(std::string text);
    void setJikkouEnabled(bool on);
    void setCorrectionEnabled(bool on);
    void setLineButtonEnabled(int n, bool on);
    void setBlinkTimer(bool on);

    bool executeRefused();
    // Runs the executor on the step set up; nothing when it refused.
    std::optional<bool> executeStep();
    // Draws the new line lineCount, judges it and ends the step.
    void completeStep(bool signReversed);
    void openLineEntry(bool signReversed);
    void closeLineEntry();
    void finishWriting();
    StepContext stepContext() const;
    bool askSpecialAnswer(AnswerKind right, std::string_view wrongChoiceHint);
    void takeBackLastLine();
    ExprLine& lineAt(int n) { return core_.lines[static_cast<std::size_t>(n)]; }

    CoreState& core_;
    Page& page_;
    WorksheetState state_;
    PageModel shown_;
    WorksheetListener& listener();
    WorksheetListener* listener_ = nullptr;  // never copied: a silent copy tells nobody
    std::function<void()> solvedReport_;      // never copied either

    // 計算も自分で, never copied: a silent copy draws its lines itself.
    struct LineEntry {
        int target = 0;
        WrittenStep step;
        bool signReversed = false;
        int mistakes = 0;
        std::string description;  // the step's, shown again once the line is drawn
    };
    bool selfWrite_ = false;
    std::optional<LineEntry> entry_;
    std::string entryText_;
    WritingTally tally_;
};

}  // namespace talvoren
