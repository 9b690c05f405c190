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
    std::string records;
    for (int u = 1; u <= maxUnits; ++u) {
        const std::string title = "単元" + std::to_string(u);
        s.unitTitles[u] = title;
        s.unitQuestionCount[u] = maxUnitQuestions;
        records += "[" + title + "]\r\n";
        for (int q = 1; q <= maxUnitQuestions; ++q)
            records += std::to_string(q) + "=" + std::to_string(maxRecordCount) + "\r\n";
        records += "DATE=2026年12月07日09:05\r\n";
    }
    s.unitCount = maxUnits;
    std::ofstream(recordFile, std::ios::binary) << sjis::toCp932(records).value();
    return s;
}

}  // namespace talvoren::bench
