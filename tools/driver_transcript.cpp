// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/driver_transcript.h"

#include "core/reading.h"

#include <vector>

namespace talvoren::driver {

std::string ReplyQueue::take() {
    if (replies_.empty()) return "";
    std::string r = replies_.front();
    replies_.pop_front();
    return r;
}

std::string answerWord(Answer a) {
    switch (a) {
    case Answer::ok: return "ok";
    case Answer::yes: return "yes";
    case Answer::no: return "no";
    case Answer::cancel: return "cancel";
    case Answer::abort: return "abort";
    case Answer::retry: return "retry";
    case Answer::ignore: return "ignore";
    }
    return "ok";
}

namespace {

std::vector<Answer> buttonsOf(Buttons b) {
    switch (b) {
    case Buttons::ok: return {Answer::ok};
    case Buttons::yesNo: return {Answer::yes, Answer::no};
    case Buttons::yesNoCancel: return {Answer::yes, Answer::no, Answer::cancel};
    case Buttons::abortRetryIgnore: return {Answer::abort, Answer::retry, Answer::ignore};
    }
    return {Answer::ok};
}

}  // namespace

void TranscriptSink::showMessage(const std::string& text) {
    out_ << "message: " << text << '\n';
    if (readAloud) readAloud->say(textReading(text));
    if (messageShown) messageShown(text);
}

Answer TranscriptSink::ask(const std::string& caption, const std::string& text, Buttons buttons,
                           Icon) {
    const std::vector<Answer> offered = buttonsOf(buttons);
    const std::string reply = replies_.take();
    Answer answer = offered.front();  // empty queue: the first button
    if (!reply.empty()) {
        answer = offered.back();  // a reply that is not a button counts as the last one
        for (Answer a : offered)
            if (answerWord(a) == reply) answer = a;
    }
    out_ << "box[" << caption << "]: " << text << " -> " << answerWord(answer) << '\n';
    if (readAloud) readAloud->say(textReading(text));
    return answer;
}

}  // namespace talvoren::driver
