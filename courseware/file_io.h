// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reads and atomic whole-file replacement. A file is only ever
// replaced by renaming a completely written and flushed temporary file over
// it, so the old file stays whole whatever fails on the way.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace talvoren {

// The system calls a replacement makes. Tests derive from this and fail one
// of them midway to prove that the old file survives.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
};

FileSystemCalls& systemFileCalls();

// Writes `bytes` to a temporary file beside `path` (path.tmp.PID.N),
// flushes it to disk and renames it over `path`. On failure returns false
// with `error` holding the system's reason; the temporary file is removed
// and `path` is untouched. A successful replacement also removes the
// temporary files of `path` that a program which died midway left behind.
bool replaceFile(const std::string& path, std::string_view bytes, std::string& error,
                 FileSystemCalls& calls = systemFileCalls());

enum class ReadStatus { ok, missing, unreadable, notCp932, tooLarge };

// What a file may cost: a file beyond either bound is refused (tooLarge)
// before its text is built, so that reading it takes memory of a small
// multiple of the file's size (a line costs a string of its own).
struct ReadLimit {
    std::uintmax_t maxBytes;
    std::size_t maxLines;
};
// The bounds as the messages give them, for example "1 MB、10000行まで".
std::string readLimitText(const ReadLimit& limit);

// Reads the whole file as bytes (ok, missing, unreadable, or tooLarge when
// it holds more than maxBytes; a larger file is refused before reading).
ReadStatus readWholeFile(const std::string& path, std::string& bytes, std::uintmax_t maxBytes);

// Reads a code-page-932 file into UTF-8 text; notCp932 when its bytes are
// not valid code page 932 (nothing garbled is ever returned).
ReadStatus readCp932File(const std::string& path, std::string& text, const ReadLimit& limit);

// The lines in code page 932, every one ending with CR LF. False when a line
// has no code-page-932 form; `badLine` is then its 1-based number.
bool encodeCp932Lines(const std::vector<std::string>& lines, std::string& bytes, int& badLine);

// Splits decoded text into lines: CR LF, a lone CR and a lone LF each end a
// line; a break at the very end does not make an extra empty line.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace talvoren
