// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fullest record file there can be, for the records dialog's
// benchmarks: ten units of seven questions, each solved 9999 times.
#include <fstream>
#include <string>

#include "core/sjis.h"
#include "courseware/question_set.h"
#include "courseware/records.h"

namespace talvoren::bench {

// Writes the record file and returns the unit tables it belongs to.
inline CoursewareState fullestRecords(const std::string& recordFile) {
    CoursewareState s;
    std::vector<std::string> text;
    std::string records;
    for (int u = 1; u <= maxUnits; ++u) {
        const std::string title = "単元" + std::to_string(u);
        text.push_back("<<" + title);
        text.insert(text.end(), maxUnitQuestions, "x<1");
        text.push_back(">>");
        records += "[" + title + "]\r\n";
        for (int q = 1; q <= maxUnitQuestions; ++q)
            records += std::to_string(q) + "=" + std::to_string(maxRecordCount) + "\r\n";
        records += "DATE=2026年12月07日09:05\r\n";
    }
    s.setText(std::move(text));
    struct : MessageSink {
        void showMessage(const std::string&) override {}
        Answer ask(const std::string&, const std::string&, Buttons, Icon) override { return Answer::ok; }
    } none;  // ten units of seven questions read without a word
    parseQuestionSet(s, none);
    std::ofstream(recordFile, std::ios::binary) << sjis::toCp932(records).value();
    return s;
}

}  // namespace talvoren::bench
