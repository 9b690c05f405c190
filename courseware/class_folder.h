// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a class's records folder: every pupil's log, and on each refresh
// only what was appended since. It never writes. A line that is not whole
// (torn by a power cut, or still being written) is skipped and counted.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "courseware/class_log.h"

namespace talvoren {

struct PupilLog {
    std::vector<ClassEvent> events;
    std::uintmax_t consumed = 0;  // bytes of whole lines read so far
    int skipped = 0;              // lines that could not be read
    bool tornTail = false;        // the file ends inside a line
};

class ClassFolder {
public:
    explicit ClassFolder(std::string folder) : folder_(std::move(folder)) {}

    // Reads what the logs gained; returns the pupils whose logs changed.
    std::vector<std::string> refresh();

    const std::map<std::string, PupilLog>& logs() const { return logs_; }
    int eventCount() const;
    // Unreadable lines, a torn last line included.
    int skippedCount() const;
    // One sentence per log with a skipped line, for the teacher.
    std::vector<std::string> warnings() const;

private:
    bool readAppended(const std::string& pupil, PupilLog& log);

    std::string folder_;
    std::map<std::string, PupilLog> logs_;
};

}  // namespace talvoren
