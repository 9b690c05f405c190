// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the courseware tests: a message sink that records what was
// shown and answers from a script, a scratch folder, and byte-level files.

#include <cerrno>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/messages.h"
#include "core/sjis.h"
#include "courseware/file_io.h"
#include "courseware/question_set.h"

namespace talvoren::test {

class RecordingSink : public MessageSink {
public:
    void showMessage(const std::string& text) override { shown.push_back(text); }
    Answer ask(const std::string& caption, const std::string& text, Buttons, Icon) override {
        std::string entry = "[";  // not operator+: GCC 12 warns of -Wrestrict in Release there
        entry.append(caption).append("] ").append(text);
        shown.push_back(std::move(entry));
        if (answers.empty()) return Answer::ok;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<std::string> shown;
    std::deque<Answer> answers;
};

// A fresh folder below the system's temporary folder, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "talvoren-cw-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string dir() const { return path_.string() + "/"; }
    // Every entry of the folder, to prove no temporary file was left behind.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string repeat(const std::string& piece, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += piece;
    return all;
}

inline std::string cp932(const std::string& utf8) { return sjis::toCp932(utf8).value(); }

inline std::string golden(const std::string& name) {
    return std::string(TALVOREN_TEST_DIR) + "/courseware/golden/" + name;
}

// System calls that fail at a chosen point: after `writeLimit` bytes have
// been written, at fsync, at close, or at rename.
class FailingCalls : public FileSystemCalls {
public:
    enum class Point { none, write, fsync, close, rename };
    explicit FailingCalls(Point point, std::size_t writeLimit = 0)
        : point_(point), writeLimit_(writeLimit) {}

    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (point_ != Point::write) return FileSystemCalls::write(fd, data, size);
        if (written_ >= writeLimit_) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min(size, writeLimit_ - written_);
        const ssize_t r = FileSystemCalls::write(fd, data, n);
        if (r > 0) written_ += static_cast<std::size_t>(r);
        return r;
    }
    int fsync(int fd) override {
        if (point_ == Point::fsync) {
            errno = EIO;
            return -1;
        }
        return FileSystemCalls::fsync(fd);
    }
    int close(int fd) override {
        const int closed = FileSystemCalls::close(fd);
        if (point_ == Point::close) {
            errno = EIO;  // as a network share reports a write it could not complete
            return -1;
        }
        return closed;
    }
    int rename(const char* from, const char* to) override {
        if (point_ == Point::rename) {
            errno = EXDEV;
            return -1;
        }
        return FileSystemCalls::rename(from, to);
    }

private:
    Point point_;
    std::size_t writeLimit_;
    std::size_t written_ = 0;
};

// A question set read from units of these titles with this many questions
// each (x<1 every one); a unit of none is left open, as loading allows.
inline CoursewareState setOfUnits(const std::vector<std::pair<std::string, int>>& unitsAndCounts) {
    std::vector<std::string> text;
    for (const auto& [title, count] : unitsAndCounts) {
        text.push_back("<<" + title);
        text.insert(text.end(), static_cast<std::size_t>(count), "x<1");
        if (count > 0) text.push_back(">>");
    }
    CoursewareState s;
    s.setText(std::move(text));
    RecordingSink quiet;
    parseQuestionSet(s, quiet);
    return s;
}

}  // namespace talvoren::test
