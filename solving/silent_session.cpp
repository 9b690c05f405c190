// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/silent_session.h"

#include <algorithm>
#include <span>

#include "solving/input_pad.h"

namespace talvoren {

namespace {

std::span<const Answer> buttonsOf(Buttons buttons) {
    static constexpr Answer ok[] = {Answer::ok};
    static constexpr Answer yesNo[] = {Answer::yes, Answer::no};
    static constexpr Answer yesNoCancel[] = {Answer::yes, Answer::no, Answer::cancel};
    static constexpr Answer abortRetryIgnore[] = {Answer::abort, Answer::retry, Answer::ignore};
    switch (buttons) {
    case Buttons::ok: return ok;
    case Buttons::yesNo: return yesNo;
    case Buttons::yesNoCancel: return yesNoCancel;
    case Buttons::abortRetryIgnore: return abortRetryIgnore;
    }
    return ok;
}

PageState freshPage(int lineCapacity) {
    PageState state;
    state.worksheet.lineCapacity = lineCapacity;
    return state;
}

}  // namespace

Answer MessageLog::ask(const std::string&, const std::string& text, Buttons buttons, Icon) {
    texts.push_back(text);
    const std::span<const Answer> offered = buttonsOf(buttons);
    if (answer && std::find(offered.begin(), offered.end(), *answer) != offered.end()) return *answer;
    return offered.front();
}

// The images of the largest page.
bool SilentPage::hasLineImage(int n) const { return (n >= 1 && n <= largePageLines) || n == answerLineIndex; }

bool SilentPage::typeset(int n, TypesetMode, const ExprLine&, bool, bool signReversed) {
    if (n != answerLineIndex) lastLineSignReversed = signReversed;
    return true;
}

SilentSession::SilentSession(const PageState& state)
    : core_(state.tables, log_), worksheet_(core_, page_, state) {}

std::optional<SilentSession> SilentSession::withQuestion(const std::string& question, int lineCapacity) {
    SilentSession session(freshPage(lineCapacity));
    if (!session.worksheet_.startQuestionSet(question)) return std::nullopt;
    return session;
}

SilentSession::SilentSession(const SilentSession& other)
    : log_(other.log_),
      page_(other.page_),
      core_(other.core_.tables(), log_),
      worksheet_(core_, page_, other.worksheet_) {}

SilentSession& SilentSession::operator=(const SilentSession& other) {
    if (this == &other) return *this;
    log_ = other.log_;
    page_ = other.page_;
    core_.restore(other.core_.tables());
    worksheet_.copyStateFrom(other.worksheet_);
    return *this;
}

bool SilentSession::type(std::string_view text) {
    while (!text.empty()) {
        const char c = text.front();
        std::size_t length = 1;
        if (text.starts_with(padText::fraction)) {
            padKey(worksheet_, padText::fraction);
            length = padText::fraction.size();
        } else if (c == '-') {
            minusKey(worksheet_);
        } else if (c == '.') {
            padKey(worksheet_, padText::point);
        } else if (c >= '0' && c <= '9') {
            padKey(worksheet_, std::string(1, c));
        } else if (c == core_.unknownLetter) {
            letterKey(worksheet_);
        } else {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

StepOutcome SilentSession::step(const StepRequest& request) {
    const PageState before = pageState();
    const std::size_t firstMessage = log_.texts.size();
    page_.lastLineSignReversed = false;

    StepOutcome outcome;
    const Operation* operation = operationOf(request.operation);
    worksheet_.selectLine(request.line);
    if (operation && worksheet_.state().step == StepState::LineChosen) operationButtonClick(worksheet_, operation->code);
    bool ready = padOpen(worksheet_.state().step) && type(request.padText) && worksheet_.panel() == request.padText;
    if (ready && request.secondLine != 0) {
        worksheet_.selectLine(request.secondLine);
        ready = worksheet_.state().step == StepState::SecondChosen;
    }
    if (ready) {
        worksheet_.execute();
        outcome.accepted = lineCount() == before.worksheet.lineCount + 1;
    }

    outcome.messages.assign(log_.texts.begin() + static_cast<std::ptrdiff_t>(firstMessage), log_.texts.end());
    if (!outcome.accepted) {
        worksheet_.restore(before);  // whatever the step got to; the messages stay
        return outcome;
    }
    outcome.lineNumber = lineCount();
    outcome.line = line(outcome.lineNumber);
    outcome.judgement = judgeLine(core_, lineCount(), outcome.lineNumber);
    outcome.signReversed = page_.lastLineSignReversed;
    return outcome;
}

}  // namespace talvoren
