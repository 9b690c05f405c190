// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/record_deletion.h"

#include <algorithm>

namespace talvoren {

std::string eraseQuestion(const std::string& title) { return "「" + title + "」の記録を消去しますか？"; }

void RecordDeletion::start(const CoursewareState& s) {
    recordsDeleted_ = false;
    titles_ = records_.unitsWithRecords(s);
    chosen_ = -1;
}

void RecordDeletion::choose(int row) {
    chosen_ = row >= 0 && row < static_cast<int>(titles_.size()) ? row : -1;
}

bool RecordDeletion::chooseTitle(const std::string& title) {
    const auto it = std::find(titles_.begin(), titles_.end(), title);
    choose(it == titles_.end() ? -1 : static_cast<int>(it - titles_.begin()));
    return chosen_ >= 0;
}

bool RecordDeletion::deleteOne() {
    if (chosen_ < 0) {
        messages_.showMessage(chooseUnitToEraseMessage);
        return false;
    }
    const std::string title = titles_[static_cast<std::size_t>(chosen_)];
    if (messages_.ask("確認", eraseQuestion(title), Buttons::yesNo, Icon::question) != Answer::yes)
        return false;
    if (!records_.eraseUnit(title)) return false;  // the records said why
    chosen_ = -1;
    // Units of one title share one section: every entry of it is gone now.
    std::erase(titles_, title);
    recordsDeleted_ = true;
    return true;
}

}  // namespace talvoren
