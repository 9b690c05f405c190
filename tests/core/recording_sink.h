// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message sink that records what was shown, one line per message or box,
// in the driver's transcript form ("message: TEXT", "box[CAPTION]: TEXT").

#include <string>
#include <vector>

#include "core/cells.h"
#include "core/messages.h"

namespace talvoren::test {

class RecordingSink : public MessageSink {
public:
    void showMessage(const std::string& text) override { shown.push_back("message: " + text); }
    Answer ask(const std::string& caption, const std::string& text, Buttons buttons,
               Icon) override {
        shown.push_back("box[" + caption + "]: " + text);
        lastButtons = buttons;
        return buttons == Buttons::abortRetryIgnore ? Answer::abort : Answer::ok;
    }

    std::vector<std::string> shown;
    Buttons lastButtons = Buttons::ok;
};

// A fresh session of the expression layer with its recording sink.
struct CoreSession {
    RecordingSink sink;
    CoreState s{sink};
    // What has been shown so far: the layer's notices are shown first, as
    // its callers do.
    const std::vector<std::string>& shown() {
        showNotices(sink, s.notices);
        return sink.shown;
    }
};

// Fills lines[n] with the given cells.
inline void setLine(CoreState& s, int n, std::initializer_list<ExprCell> cells) {
    clearLine(s, n);
    for (const ExprCell& c : cells) appendCell(s, n, c);
}

}  // namespace talvoren::test
