// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messages.h"

namespace talvoren {

std::vector<std::string> noticeTexts(const std::vector<Notice>& notices) {
    std::vector<std::string> texts;
    for (const Notice& n : notices) texts.push_back(n.text);
    return texts;
}

void showNotices(MessageSink& sink, std::vector<Notice>& notices) {
    for (const Notice& n : notices) {
        if (n.caption.empty())
            sink.showMessage(n.text);
        else
            sink.ask(n.caption, n.text, n.buttons, n.icon);
    }
    notices.clear();
}

}  // namespace talvoren
