// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recording fakes of the message seam and the page seam, and a worksheet
// session built on them.

#include <deque>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/cells.h"
#include "core/messages.h"
#include "solving/page.h"
#include "solving/worksheet.h"

namespace talvoren::testing {

class FakeSink : public MessageSink {
public:
    std::vector<std::string> messages;  // plain messages and asked texts, in order
    std::deque<Answer> answers;         // for ask(); empty: the first button

    void showMessage(const std::string& text) override { messages.push_back(text); }
    Answer ask(const std::string&, const std::string& text, Buttons buttons, Icon) override {
        messages.push_back(text);
        if (answers.empty()) return buttons == Buttons::abortRetryIgnore ? Answer::abort
                                    : buttons == Buttons::ok            ? Answer::ok
                                                                        : Answer::yes;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FakePage : public Page {
public:
    std::set<int> missingImages;     // hasLineImage() is false for these
    std::set<int> tooWideLines;      // typeset() at full size fails for these
    std::deque<AnswerKind> sentakuResults;  // empty: closed

    struct Typeset {
        int n;
        TypesetMode mode;
        bool signReversed;
        friend bool operator==(const Typeset&, const Typeset&) = default;
    };
    std::vector<Typeset> typesets;
    std::vector<std::pair<int, std::string>> captions;
    std::vector<std::pair<int, std::string>> labels;
    std::vector<int> clearedImages;
    std::vector<int> takenBack;
    std::vector<std::string> answerTexts;
    std::vector<int> answerBoxPlaces;
    std::vector<FocusTarget> focus;
    int sentakuShown = 0;
    int solvedReports = 0;  // the worksheet's reports of a solved question (Session wires them here)
    char letterKey = 0;
    bool answerBoxHidden = false;

    void showDescription(const std::string&) override {}
    void showPanel(const std::string&) override {}
    void setJikkouEnabled(bool) override {}
    void setLineButtonEnabled(int, bool) override {}
    bool hasLineImage(int n) const override {
        return ((n >= 1 && n <= largePageLines) || n == answerLineIndex) && !missingImages.count(n);
    }
    void clearLineImage(int n) override { clearedImages.push_back(n); }
    void drawCaption(int n, const std::string& caption) override { captions.emplace_back(n, caption); }
    bool typeset(int n, TypesetMode mode, const ExprLine&, bool, bool signReversed) override {
        typesets.push_back({n, mode, signReversed});
        return mode == TypesetMode::small || !tooWideLines.count(n);
    }
    void drawLineLabel(int n, const std::string& label) override { labels.emplace_back(n, label); }
    void lineTakenBack(int n) override { takenBack.push_back(n); }
    void placeAnswerBox(int n) override { answerBoxPlaces.push_back(n); }
    void hideAnswerBox() override { answerBoxHidden = true; }
    void writeAnswerText(const std::string& text) override { answerTexts.push_back(text); }
    void setLetterKeyCaption(char letter) override { letterKey = letter; }
    void setBlinkTimer(bool) override {}
    void showNextGlyph(int) override {}
    void unmarkAllLines() override {}
    void setPageCaption(const std::string&) override {}
    void focusButton(FocusTarget target) override { focus.push_back(target); }
    AnswerKind chooseSpecialAnswer() override {
        ++sentakuShown;
        if (sentakuResults.empty()) return AnswerKind::none;
        const AnswerKind r = sentakuResults.front();
        sentakuResults.pop_front();
        return r;
    }
};

// One worksheet on fakes.
struct Session {
    explicit Session(int lineCapacity = defaultLineCapacity) : core(sink), ws(core, page, lineCapacity) {
        ws.setSolvedReport([this] { ++page.solvedReports; });
    }
    FakeSink sink;
    FakePage page;
    CoreState core;
    Worksheet ws;

    // Starts a set whose first question is `question`.
    void start(const std::string& question) {
        if (!ws.startQuestionSet(question)) throw std::runtime_error("question refused: " + question);
        sink.messages.clear();
    }
};

// Sets the worksheet's variables as no sequence of entry points would, for
// a test that starts from a given state; the tables stay as they are.
template <class Change>
void setState(Worksheet& ws, Change change) {
    PageState state = ws.pageState();
    change(state.worksheet);
    ws.restore(state);
}

// The same for what the windows show.
template <class Change>
void setShown(Worksheet& ws, Change change) {
    PageState state = ws.pageState();
    change(state.shown);
    ws.restore(state);
}

inline ExprCell constant(int num, int den = 1) { return {den, num, CellKind::constant}; }
inline ExprCell term(int num, int den = 1, char letter = 'x') { return {den, num, letterKind(letter)}; }
inline ExprCell relation(CellKind k) { return {1, 0, k}; }

inline ExprLine lineOf(std::initializer_list<ExprCell> cells) {
    ExprLine line;
    for (const ExprCell& c : cells) line.cells[static_cast<std::size_t>(line.cellCount++)] = c;
    return line;
}

}  // namespace talvoren::testing
