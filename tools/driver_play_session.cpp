// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/driver_play_session.h"

#include <utility>

#include "core/reading.h"
#include "solving/spoken_lines.h"
#include "solving/solution_set.h"

namespace talvoren::driver {

namespace {

constexpr int lastLineImage = largePageLines;

// What the worksheet shows that the transcript reports only when it changed.
struct Shown {
    std::string description;
    std::string panel;
    bool jikkou;
    std::string status;
};

Shown shownBy(const PlaySession& s) {
    return {s.worksheet.description(), s.worksheet.panel(), s.worksheet.jikkouEnabled(), s.coach.statusLine()};
}

// "label: text", or just "label:" for an empty text.
void printField(std::ostream& out, const char* label, const std::string& text) {
    out << label << ':' << (text.empty() ? "" : " ") << text << '\n';
}

// "numberline: KIND VALUE" of the solved page.
std::string numberLineOf(const PlaySession& s) {
    const std::optional<SolutionSet> set = solutionSetOnPage(s.worksheet.state(), s.core);
    return set ? solutionSetText(*set) : "";
}

void printEvents(std::ostream& out, const RecordingPage::Events& events, const CoreState& core,
                 const Shown& before, const Shown& after, const std::string& numberLine) {
    for (int n : events.takenBack) out << "takeback " << n << '\n';
    for (int n : events.drawnLines) {
        const ExprLine& line = core.lines[static_cast<std::size_t>(n)];
        out << "line " << n << ": " << line.caption << " | " << lineCellsText(line) << '\n';
    }
    if (events.answerLineDrawn) out << "answerline: " << lineCellsText(core.lines[answerLineIndex]) << '\n';
    for (const std::string& text : events.answerTexts) out << "answertext: " << text << '\n';
    if (events.solvedShown) out << "solved\n";
    if (events.solvedShown && !numberLine.empty()) out << "numberline: " << numberLine << '\n';
    if (after.description != before.description) printField(out, "desc", after.description);
    if (after.panel != before.panel) printField(out, "panel", after.panel);
    if (after.jikkou != before.jikkou) out << "jikkou: " << (after.jikkou ? "on" : "off") << '\n';
    if (after.status != before.status) printField(out, "status", after.status);
}

}  // namespace

RecordingPage::Events RecordingPage::takeEvents() { return std::exchange(events_, Events{}); }

bool RecordingPage::hasLineImage(int n) const {
    return (n >= 1 && n <= lastLineImage) || n == answerLineIndex;
}

bool RecordingPage::typeset(int n, TypesetMode mode, const ExprLine& line, bool hasDecimalPoint, bool) {
    if (readAloud && mode == TypesetMode::full) readAloud->say(spokenLine(n, line, hasDecimalPoint));  // once, not on a redraw shrunk to fit
    if (n == answerLineIndex)
        events_.answerLineDrawn = true;
    else
        events_.drawnLines.insert(n);
    return true;
}

AnswerKind RecordingPage::chooseSpecialAnswer() {
    const std::string reply = replies_.take();
    if (reply == "musu") {
        out_ << "sentaku -> musu\n";
        return AnswerKind::infinitelyMany;
    }
    if (reply == "kainashi") {
        out_ << "sentaku -> kainashi\n";
        return AnswerKind::noSolution;
    }
    out_ << "sentaku -> close\n";
    return AnswerKind::none;
}

void RecordingPage::writeAnswerText(const std::string& text) {
    events_.answerTexts.push_back(text);
    if (readAloud) readAloud->say(textReading(text));
}

void RecordingPage::showHint(const std::string& text) {
    if (text.empty()) return;
    out_ << "hint: " << text << '\n';
    if (readAloud) readAloud->say(textReading(text));
}

void RecordingPage::openLineEntry(int n) {
    out_ << "write: " << n << '\n';
    if (readAloud) readAloud->say(textReading(lastCaption_));  // the step's sentence, the line still to write
}

void RecordingPage::showVerdict(const LineVerdict& verdict) {
    switch (verdict.kind) {
    case VerdictKind::right: out_ << "verdict: right\n"; return;
    case VerdictKind::mistake:
        out_ << "verdict: mistake " << mistakeCodeName(verdict.code) << " | " << verdict.text << '\n';
        break;
    case VerdictKind::shown: out_ << "verdict: shown | " << verdict.text << '\n'; break;
    case VerdictKind::unreadable: out_ << "verdict: unreadable | " << verdict.text << '\n'; break;
    }
    if (readAloud) readAloud->say(textReading(verdict.text));
}

PlaySession::PlaySession(std::ostream& output)
    : out(output), sink(output, replies), core(sink), page(output, replies), worksheet(core, page), coach(worksheet) {
    sink.readAloud = &readAloud;
    page.readAloud = &readAloud;
}

void PlaySession::fatal(const std::string& text) {
    out << "fatal: " << text << '\n';
    ended = true;
}

void PlaySession::run(const std::function<void()>& command) {
    const Shown before = shownBy(*this);
    page.takeEvents();
    command();
    if (actionDone && !ended) actionDone();
    const RecordingPage::Events events = page.takeEvents();
    if (ended) return;
    const Shown after = shownBy(*this);
    printEvents(out, events, core, before, after, events.solvedShown ? numberLineOf(*this) : "");
    if (after.status != before.status) readAloud.say(textReading(after.status));
    for (const std::string& line : std::exchange(trailing, {})) out << line << '\n';
}

}  // namespace talvoren::driver
