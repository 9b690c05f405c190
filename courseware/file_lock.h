// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An advisory lock held around a read-modify-write of a file, so that two
// copies of the program sharing a folder do not lose each other's updates.
// It is an fcntl write lock on a lock file beside the file (NAME.lock):
// fcntl locks work on local disks and on network shares (NFS, SMB), and the
// system drops them when their holder dies, so a crashed program never
// leaves a lock that would have to be broken. The lock file is removed when
// the lock is released.

#include <chrono>
#include <string>

namespace talvoren {

class FileLock {
public:
    FileLock() = default;
    FileLock(FileLock&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) { other.fd_ = -1; }
    FileLock& operator=(FileLock&&) = delete;
    FileLock(const FileLock&) = delete;
    ~FileLock();

    // Takes the lock of `path` (its lock file is path + ".lock"), waiting
    // while another process holds it, at most `patience`. On failure `error`
    // says why and the result is not held().
    static FileLock acquire(const std::string& path, std::string& error,
                            std::chrono::milliseconds patience = std::chrono::seconds(10));

    bool held() const { return fd_ >= 0; }

private:
    FileLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    int fd_ = -1;
    std::string path_;  // of the lock file
};

}  // namespace talvoren
