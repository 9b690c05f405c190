// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The deletion dialog TfrmDelete without its window: the units it offers,
// the one the pupil has chosen, and the erase, which asks before it acts.

#include <string>
#include <vector>

#include "core/messages.h"
#include "courseware/question_set.h"
#include "courseware/records.h"

namespace talvoren {

inline constexpr const char* chooseUnitToEraseMessage = "消去する単元を選んでください";

// The confirmation that names the unit: 「TITLE」の記録を消去しますか？
std::string eraseQuestion(const std::string& title);

class RecordDeletion {
public:
    RecordDeletion(PracticeRecords& records, MessageSink& messages)
        : records_(records), messages_(messages) {}

    // FormShow: offers the listed units that have records; nothing chosen.
    void start(const CoursewareState& s);
    // The entry the pupil chose, by row; -1 for none.
    void choose(int row);
    // Chooses the entry of that title; false (nothing chosen) when none has it.
    bool chooseTitle(const std::string& title);

    // 消去: asks first; on Yes erases the chosen unit's records and drops its
    // entries. After an erase nothing is chosen, so a second press cannot
    // erase a unit nobody chose. True when records were erased.
    bool deleteOne();

    const std::vector<std::string>& titles() const { return titles_; }
    int chosen() const { return chosen_; }
    bool recordsDeleted() const { return recordsDeleted_; }

private:
    PracticeRecords& records_;
    MessageSink& messages_;
    std::vector<std::string> titles_;
    int chosen_ = -1;
    bool recordsDeleted_ = false;
};

}  // namespace talvoren
