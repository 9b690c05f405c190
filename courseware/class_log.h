// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pupils' event logs in a class's records folder. Each pupil has a log
// of their own (NAME.tlog), one event a line, appended with a single write
// of the whole line; nobody else writes it. The line format is documented in
// docs/class-log.md; its first field names its version.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "courseware/file_io.h"

namespace talvoren {

inline constexpr std::string_view classLogVersion = "T1";
inline constexpr std::string_view classLogExtension = ".tlog";

enum class EventKind {
    start,    // a question was put on the page
    step,     // a step that brings the answer one step nearer
    detour,   // a step that does not shorten the way to the answer
    refused,  // a step the tutor refused (text: its message)
    hint,     // a hint (code: its level)
    verdict,  // a written line judged (code: right, unreadable, mistake:CODE, shown:CODE; text: the line)
    solved,   // the answer reached (steps against shortest)
    mastery,  // もっと練習: a skill's mastery after a question (code: the skill, text: "P QUESTIONS")
};
std::string_view eventKindName(EventKind kind);
std::optional<EventKind> eventKindNamed(std::string_view name);

struct ClassEvent {
    std::int64_t time = 0;  // seconds since 1970-01-01 UTC
    std::string pupil;
    std::string machine;
    std::string set;  // the question set's file name
    int unit = 0;
    int question = 0;
    std::string questionText;
    int line = 0;           // the line the event is about
    std::string operation;  // the operation's code character, "" for none
    std::string number;     // the pad's number as typed
    EventKind kind = EventKind::start;
    std::string code;
    std::string text;
    int steps = 0;     // of a solved question
    int shortest = 0;  // 0: not known
    std::int64_t sinceLast = 0;  // seconds since the pupil's previous event
};

// One event as its log line, "\n" included; tabs, line breaks and
// backslashes inside fields are escaped.
std::string classLogLine(const ClassEvent& event);
// The event of one line (without its "\n"); nothing for a line that is not
// a whole line of this version.
std::optional<ClassEvent> parseClassLogLine(std::string_view line);

// Why NAME cannot be a pupil's name in a shared folder (empty, too long, a
// character a file name cannot hold); nothing when it can.
std::optional<std::string> pupilNameProblem(std::string_view name);
std::string pupilLogPath(const std::string& folder, const std::string& pupil);
// The pupil's own record beside their log (NAME.rec): what follows the
// pupil from machine to machine, their mastery of the skills.
std::string pupilRecordPath(const std::string& folder, const std::string& pupil);

// Appends one event to the pupil's log: a single write of the whole line.
// A last line left torn (a power cut mid-write) is closed first, so that it
// is skipped on reading without taking this line with it. False with the
// system's reason in `error` when the line could not be written.
bool appendClassEvent(const std::string& folder, const ClassEvent& event, std::string& error,
                      FileSystemCalls& calls = systemFileCalls());

// The folder's pupils: the names of its logs, sorted.
std::vector<std::string> classPupils(const std::string& folder);

}  // namespace talvoren
