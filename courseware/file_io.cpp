// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/file_io.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <charconv>
#include <filesystem>
#include <limits>

#include "core/sjis.h"

namespace talvoren {

ssize_t FileSystemCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int FileSystemCalls::fsync(int fd) { return ::fsync(fd); }
int FileSystemCalls::close(int fd) { return ::close(fd); }
int FileSystemCalls::rename(const char* from, const char* to) { return ::rename(from, to); }

FileSystemCalls& systemFileCalls() {
    static FileSystemCalls calls;
    return calls;
}

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A new, exclusively created file beside `path`; its name is unique within
// this process and O_EXCL guards against other processes.
int createTemporary(const std::string& path, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Removes path.tmp.PID.N files whose process is gone (or is this one: no
// other save of the path is under way here), left by a crash midway.
void removeLeftovers(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const std::string prefix = target.filename().string() + ".tmp.";
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(target.parent_path().empty() ? "." : target.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const std::string rest = name.substr(prefix.size());
        const auto dot = rest.find('.');
        if (dot == 0 || dot == std::string::npos ||
            rest.find_first_not_of("0123456789.") != std::string::npos)
            continue;
        // A name whose number is no process number (too long, zero) is not ours.
        long number = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + dot, number);
        if (error != std::errc() || end != rest.data() + dot || number <= 0 ||
            number > std::numeric_limits<pid_t>::max())
            continue;
        const auto pid = static_cast<pid_t>(number);
        if (pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH)) fs::remove(entry.path(), ec);
    }
}

bool writeAll(FileSystemCalls& calls, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = calls.write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool replaceFile(const std::string& path, std::string_view bytes, std::string& error,
                 FileSystemCalls& calls) {
    std::string tempPath;
    const int fd = createTemporary(path, tempPath);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);  // keep its mode

    bool ok = writeAll(calls, fd, bytes) && calls.fsync(fd) == 0;
    int savedErrno = errno;
    if (calls.close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && calls.rename(tempPath.c_str(), path.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        error = std::strerror(savedErrno);
        return false;
    }
    removeLeftovers(path);
    // Make the rename itself durable; the new file is in place either way.
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

std::string readLimitText(const ReadLimit& limit) {
    return std::to_string(limit.maxBytes >> 20) + " MB、" + std::to_string(limit.maxLines) + "行まで";
}

ReadStatus readWholeFile(const std::string& path, std::string& bytes, std::uintmax_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadStatus::missing : ReadStatus::unreadable;
    struct stat info {};
    ReadStatus status = ReadStatus::ok;
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode))
        status = ReadStatus::unreadable;
    else if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        status = ReadStatus::tooLarge;
    else {
        // The size is known, so the bytes take no more room than the file;
        // one byte more than allowed tells a file that grew meanwhile.
        std::string read(static_cast<std::size_t>(info.st_size) + 1, '\0');
        std::size_t filled = 0;
        while (status == ReadStatus::ok) {
            if (filled == read.size()) {
                if (read.size() > maxBytes) {
                    status = ReadStatus::tooLarge;
                    break;
                }
                read.resize(std::min<std::uintmax_t>(read.size() * 2, maxBytes + 1));
            }
            const ssize_t n = ::read(fd, read.data() + filled, read.size() - filled);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) status = ReadStatus::unreadable;
            if (n <= 0) break;
            filled += static_cast<std::size_t>(n);
        }
        read.resize(filled);
        if (status == ReadStatus::ok) bytes = std::move(read);
    }
    ::close(fd);
    return status;
}

namespace {

// Line breaks as splitLines counts them; in code page 932 a CR or LF byte
// is never part of a double-byte character, so the bytes can be counted.
std::size_t lineCount(std::string_view bytes) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        ++lines;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    }
    const bool lastLineOpen = !bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n';
    return lines + (lastLineOpen ? 1 : 0);
}

}  // namespace

ReadStatus readCp932File(const std::string& path, std::string& text, const ReadLimit& limit) {
    std::string bytes;
    const ReadStatus status = readWholeFile(path, bytes, limit.maxBytes);
    if (status != ReadStatus::ok) return status;
    if (lineCount(bytes) > limit.maxLines) return ReadStatus::tooLarge;
    auto decoded = sjis::fromCp932(bytes);
    if (!decoded) return ReadStatus::notCp932;
    text = std::move(*decoded);
    return ReadStatus::ok;
}

bool encodeCp932Lines(const std::vector<std::string>& lines, std::string& bytes, int& badLine) {
    bytes.clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto encoded = sjis::toCp932(lines[i]);
        if (!encoded) {
            badLine = static_cast<int>(i) + 1;
            return false;
        }
        bytes += *encoded;
        bytes += "\r\n";
    }
    return true;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace talvoren
