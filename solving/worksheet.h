// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet: the worked page of the current question and its step state
// machine. A step is: select a line, choose an operation, type a number on
// the pad, press 実行. Each accepted step appends one derived line with its
// sentence; correction (訂正) cancels the step in progress or takes back the
// last line.
//
// The worksheet keeps the model of what the windows show (the description
// line, the number panel, the enabled flags of btnJikkou, btnNext and the
// line buttons, the blink timer) and mirrors every change to the Page.

#include <array>
#include <string>
#include <string_view>

#include "core/cells.h"
#include "solving/page.h"
#include "solving/worksheet_listener.h"

namespace talvoren {

// (selectState, stepState): Idle (0,0), LineChosen (1,1), OpChosen (2,2),
// Typing (2,3), SecondChosen (3,1).
inline constexpr int maxLineButtons = 12;
inline constexpr int defaultLineCapacity = 14;

inline constexpr std::string_view wrongOperationMessage = "操作が誤りです。例①＋②［実行］";

// The worksheet variables: a plain value.
struct WorksheetState {
    int lineCount = 0;       // newest line; 0 while the page is clear
    int lineCapacity = defaultLineCapacity;  // line slots of the page: 8, 12 or 14
    int selectState = 0;     // 0 none, 1 a line, 2 an operation, 3 a second line
    int stepState = 0;       // 0 idle, 1 line selected last, 2 operation last, 3 typing
    int firstLine = 0;
    int secondLine = 0;
    char opCode = '?';
    ExprCell enteredTerm = ZERO;
    std::string enteredText;
    int answerKind = 0;      // 0 none, 1 solved, 3 infinitely many, 4 no solution
    bool solvedFlag = false;
    bool signReversed = false;
    bool selectionMade = false;
};

// What the windows show of the worksheet, kept so that it can be read back.
struct PageModel {
    std::string description;  // lblMess
    std::string panel;        // pnlNumber
    bool jikkouEnabled = false;
    bool nextEnabled = true;
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

class Worksheet : public WorksheetState {
public:
    Worksheet(CoreState& core, Page& page, int lineCapacity = defaultLineCapacity);
    // A worksheet on a copy of a page's state; core must already hold the
    // state's tables.
    Worksheet(CoreState& core, Page& page, const PageState& state);
    // A worksheet with the state of another (core must hold its tables).
    Worksheet(CoreState& core, Page& page, const Worksheet& other);
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    CoreState& core;
    Page& page;

    // A copy of the whole state of the page.
    PageState pageState() const;
    // Puts a page's whole state back, tables included; draws nothing.
    void restore(const PageState& state);
    // Takes the worksheet variables and the shown state of another worksheet.
    void copyStateFrom(const Worksheet& other);

    // Entry points.
    void selectLine(int n);
    void chooseOperation(int k);
    void btnJikkouClick();
    void btnTeiseiClick();
    void resetStep();
    void clearPage();
    bool setUpQuestion(int number, const std::string& text);
    // Clears the page, sets up the set's first question and shows it solved
    // when it already is; false when the question is refused.
    bool startQuestionSet(const std::string& firstQuestion);
    void drawLine(int n);
    void showSolved();
    void writeAnswerText(const std::string& text);
    // Whether line n has a button (btnShiki1..btnShiki12 within the page).
    bool lineButton(int n) const;
    void focusDefaultButton();

    // The model of the page, and its mirrored setters.
    const std::string& description() const { return shown_.description; }
    const std::string& panel() const { return shown_.panel; }
    bool jikkouEnabled() const { return shown_.jikkouEnabled; }
    bool nextEnabled() const { return shown_.nextEnabled; }
    bool lineButtonEnabled(int n) const;
    bool blinkTimerOn() const { return shown_.blinkTimerOn; }

    void setDescription(std::string text);
    void appendDescription(std::string_view text);
    void setPanel(std::string text);
    void setJikkouEnabled(bool on);
    void setNextEnabled(bool on);
    void setLineButtonEnabled(int n, bool on);
    void setBlinkTimer(bool on);

    void showMessage(std::string_view text);

    // Who hears of the page's progress; nullptr for nobody.
    void setListener(WorksheetListener* listener);

private:
    bool executeRefused();
    void takeBackLastLine();

    PageModel shown_;
    WorksheetListener& listener();
    WorksheetListener* listener_ = nullptr;  // never copied: a silent copy tells nobody
};

}  // namespace talvoren
