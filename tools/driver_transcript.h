// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The driver's side of the message seam: every message and box is printed at
// the moment it is shown; captioned boxes and dialogs take their answer from
// the script's reply queue.

#include <deque>
#include <functional>
#include <ostream>
#include <string>

#include "core/messages.h"

namespace talvoren::driver {

class ReplyQueue {
public:
    void push(const std::string& reply) { replies_.push_back(reply); }
    // Takes the next reply, or "" when the queue is empty.
    std::string take();

private:
    std::deque<std::string> replies_;
};

std::string answerWord(Answer a);

// 読み上げ in the transcript: with it on, each text the program says prints
// its kana at the moment it is said.
class ReadAloud {
public:
    explicit ReadAloud(std::ostream& out) : out_(out) {}
    bool on = false;
    void say(const std::string& kana) const {
        if (on && !kana.empty()) out_ << "read: " << kana << '\n';
    }

private:
    std::ostream& out_;
};

class TranscriptSink : public MessageSink {
public:
    TranscriptSink(std::ostream& out, ReplyQueue& replies) : out_(out), replies_(replies) {}
    void showMessage(const std::string& text) override;
    Answer ask(const std::string& caption, const std::string& text, Buttons buttons,
               Icon icon) override;
    // Told the text of each plain message as it is shown.
    std::function<void(const std::string&)> messageShown;

    const ReadAloud* readAloud = nullptr;

private:
    std::ostream& out_;
    ReplyQueue& replies_;
};

}  // namespace talvoren::driver
