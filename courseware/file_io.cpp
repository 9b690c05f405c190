#include "courseware/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/sjis.h"

namespace talvoren {

ssize_t FileSystemCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int FileSystemCalls::fsync(int fd) { return ::fsync(fd); }
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
    if (::close(fd) != 0 && ok) {
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
    // Make the rename itself durable; the new file is in place either way.
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

ReadStatus readWholeFile(const std::string& path, std::string& bytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadStatus::missing : ReadStatus::unreadable;
    if (S_ISDIR(info.st_mode)) return ReadStatus::unreadable;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ReadStatus::unreadable;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return ReadStatus::unreadable;
    return ReadStatus::ok;
}

ReadStatus readCp932File(const std::string& path, std::string& text) {
    std::string bytes;
    const ReadStatus status = readWholeFile(path, bytes);
    if (status != ReadStatus::ok) return status;
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
