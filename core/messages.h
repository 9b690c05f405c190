// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message seam: every message box, confirmation and question the
// toolkit-free code shows goes through this interface, with its exact text.
// The desktop program answers with real message boxes, the driver prints a
// transcript, tests record what was shown.

#include <string>
#include <vector>

namespace talvoren {

enum class Buttons { ok, yesNo, yesNoCancel, abortRetryIgnore };
enum class Answer { ok, yes, no, cancel, abort, retry, ignore };
enum class Icon { none, information, warning, question, error };

// A message the model leaves for its caller to show, in order: a plain
// message box, or a box with a caption, buttons and an icon whose answer the
// model does not wait for.
struct Notice {
    std::string text;
    std::string caption;  // "": a plain message box
    Buttons buttons = Buttons::ok;
    Icon icon = Icon::none;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A plain message box with an OK button.
    virtual void showMessage(const std::string& text) = 0;
    // A box with a caption, buttons and an icon; returns the button pressed.
    virtual Answer ask(const std::string& caption, const std::string& text,
                       Buttons buttons, Icon icon) = 0;
};

// The notices' texts, in order.
std::vector<std::string> noticeTexts(const std::vector<Notice>& notices);
// Shows the notices through the sink, in order, and empties the list.
void showNotices(MessageSink& sink, std::vector<Notice>& notices);

}  // namespace talvoren
