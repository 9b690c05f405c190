// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One `play` session: the expression tables, the worksheet, a page that
// records what the worksheet draws, and the script's reply queue. Commands
// act on a session; after each command the session prints what it changed.

#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/cells.h"
#include "solving/hints.h"
#include "solving/page.h"
#include "solving/silent_session.h"
#include "solving/worksheet.h"
#include "tools/driver_transcript.h"

namespace talvoren::driver {

// The page of the transcript: keeps the events of the command in progress;
// the special-solution dialog is answered from the reply queue and printed
// at once.
class RecordingPage : public SilentPage {
public:
    RecordingPage(std::ostream& out, ReplyQueue& replies) : out_(out), replies_(replies) {}

    struct Events {
        std::vector<int> takenBack;
        std::set<int> drawnLines;  // 1..14
        bool answerLineDrawn = false;
        std::vector<std::string> answerTexts;
        bool solvedShown = false;
    };
    Events takeEvents();

    std::string pageCaption;

    bool hasLineImage(int n) const override;
    bool typeset(int n, TypesetMode mode, const ExprLine& line, bool hasDecimalPoint,
                 bool signReversed) override;
    void lineTakenBack(int n) override { events_.takenBack.push_back(n); }
    void placeAnswerBox(int) override {
        events_.solvedShown = true;
        answerBoxShown = true;
    }
    void hideAnswerBox() override { answerBoxShown = false; }
    bool answerBoxShown = false;  // grbKai and Image16 take clicks only while shown
    void writeAnswerText(const std::string& text) override;
    void setPageCaption(const std::string& caption) override { pageCaption = caption; }
    // A hint is printed at the moment it is shown; its clearing is not.
    void showHint(const std::string& text) override;
    AnswerKind chooseSpecialAnswer() override;
    // 計算も自分で: the entry's opening and each verdict are printed at once.
    void openLineEntry(int n) override;
    void drawCaption(int, const std::string& caption) override { lastCaption_ = caption; }
    void showVerdict(const LineVerdict& verdict) override;

    const ReadAloud* readAloud = nullptr;

private:
    std::string lastCaption_;
    std::ostream& out_;
    ReplyQueue& replies_;
    Events events_;
};

struct PlaySession {
    explicit PlaySession(std::ostream& output);

    std::ostream& out;
    ReplyQueue replies;
    TranscriptSink sink;
    CoreState core;
    RecordingPage page;
    Worksheet worksheet;
    HintCoach coach;
    bool ended = false;  // set by fatal(): nothing more is printed
    // The next-question button, which the courseware's sequencing answers.
    std::function<void()> nextQuestion;
    ReadAloud readAloud{out};  // `speech on`
    // Told when a command has finished (the pupil's log writes what it settled).
    std::function<void()> actionDone;
    // The hint key (`char h`); unset: straight to the coach. True when the key was taken.
    std::function<bool(char32_t)> hintKey;
    // Lines printed after the end-of-command lines (the mastery after a solved practice question).
    std::vector<std::string> trailing;

    // Prints "fatal: TEXT" and ends the play.
    void fatal(const std::string& text);

    // Runs one command and prints the events it caused.
    void run(const std::function<void()>& command);
};

// A script command: the session and the rest of the script line after the
// command word.
using PlayCommand = std::function<void(PlaySession&, const std::string& argument)>;
using PlayCommands = std::map<std::string, PlayCommand>;

// The commands of the solving part of the play (screen, reply, char, key, ...).
PlayCommands solvingPlayCommands();
// `speech on|off`: 読み上げ, printed as `read:` lines.
PlayCommands speechPlayCommands();

// try VALUE: the question worked out for a number on a solved page.
void tryOnPage(PlaySession& s, const std::string& padText);

}  // namespace talvoren::driver
