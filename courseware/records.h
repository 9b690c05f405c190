// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Practice records: per unit title, how often each question was solved and
// when a question of the unit was last solved, kept in the initialization
// file "kessavir.rec" (one section per title, keys "1".."7" and "DATE").

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "courseware/file_io.h"
#include "courseware/file_lock.h"
#include "courseware/ini_file.h"
#include "courseware/question_set.h"
#include "solving/line_diagnosis.h"

namespace talvoren {

inline constexpr const char* recordFileName = "kessavir.rec";
inline constexpr int maxRecordCount = 9999;
// Ten units of seven counts take a few hundred bytes; a file beyond these
// bounds is refused and never written.
inline constexpr ReadLimit recordFileReadLimit{4 << 20, 100000};
// A question's mark in the listing: one star once it has been solved,
// however often; solving it again earns nothing more, so that new questions
// are what the stars reward.
std::string solvedMark(int count);

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};
using LocalClock = std::function<LocalTime()>;
LocalTime localNow();

// The DATE value, for example 2026年12月07日09:05.
std::string recordDate(const LocalTime& t);

// A stored count: a decimal integer from 0 to 9999; nullopt for anything else.
std::optional<int> parseRecordCount(std::string_view text);

// The folder for the record file: the application folder, unless that lies
// on a CD/DVD file system or a read-only mount; then the per-user data
// folder ($XDG_DATA_HOME/talvoren, by default ~/.local/share/talvoren).
std::string chooseRecordDir(const std::string& appDir, bool readOnlyMedium,
                            const char* xdgDataHome, const char* home);
bool isOnReadOnlyMedium(const std::string& dir);  // iso9660, udf or mounted read-only
std::string recordDirFor(const std::string& appDir);

// The written lines kept for question `number` of a unit's section.
WritingTally writtenTally(const IniFile& records, const std::string& title, int number);
void writeWrittenTally(IniFile& records, const std::string& title, int number, const WritingTally& tally);

class PracticeRecords {
public:
    PracticeRecords(std::string recordDir, MessageSink& messages, LocalClock clock = localNow,
                    FileSystemCalls& calls = systemFileCalls());

    const std::string& path() const { return path_; }
    // The folder is fixed at start-up, once the working directory is known.
    void setRecordDir(std::string recordDir);

    // Counts one more solution of question `number` of `unit` (never past
    // 9999) and stamps the unit's date. False, after a message, when the
    // record file could not be read or written; the file is then unchanged.
    // The pupil's written lines (計算も自分で) are added up under keys of
    // their own, "Written" and "Mistakes" and the question's number, which
    // readers that do not know them pass over.
    bool recordSolved(const CoursewareState& s, int unit, int number, const WritingTally* written = nullptr);

    // The records dialog's lines: each listed unit's title, its date line when
    // it has one, and "  " + q + its solvedMark for each of its questions. Counts that are not valid are reported in one message and
    // show no stars.
    std::vector<std::string> listing(const CoursewareState& s);

    // The titles the deletion dialog offers: listed units with a DATE.
    std::vector<std::string> unitsWithRecords(const CoursewareState& s);

    // Removes the title's whole section. False, after a message, when the
    // file could not be read or written.
    bool eraseUnit(const std::string& title);

private:
    // The record file as a profile; nullopt after a message when it exists
    // but cannot be read (so it is never overwritten with less).
    std::optional<IniFile> open();
    // Held from reading the file to writing it back, so that another copy
    // of the program in the same folder cannot slip an update in between.
    FileLock lock();
    bool store(const IniFile& records);

    std::string dir_;
    std::string path_;
    MessageSink& messages_;
    LocalClock clock_;
    FileSystemCalls& calls_;
};

}  // namespace talvoren
