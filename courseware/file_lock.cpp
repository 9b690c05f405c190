// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/file_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <thread>

namespace talvoren {

namespace {

// An open-file-description lock where the system has them: unlike a plain
// fcntl lock it also excludes another opening within this process, and no
// other close of the file drops it.
bool tryLock(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;  // l_start 0, l_len 0: the whole file
#ifdef F_OFD_SETLK
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0) return true;
    if (errno != EINVAL) return false;
#endif
    return ::fcntl(fd, F_SETLK, &whole) == 0;
}

bool busy(int error) { return error == EACCES || error == EAGAIN || error == EINTR; }

// Whether the lock file at path is still the one fd has open: a holder that
// released the lock may have removed it, and a lock on a removed file
// guards nothing.
bool stillInPlace(int fd, const std::string& path) {
    struct stat opened {}, named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

FileLock FileLock::acquire(const std::string& path, std::string& error,
                           std::chrono::milliseconds patience) {
    const std::string lockPath = path + ".lock";
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = lockPath + ": " + std::strerror(errno);
            return {};
        }
        if (tryLock(fd)) {
            if (stillInPlace(fd, lockPath)) return FileLock(fd, lockPath);
            ::close(fd);  // removed meanwhile: take the new one
            continue;
        }
        const int lockErrno = errno;
        ::close(fd);
        if (!busy(lockErrno)) {
            error = lockPath + ": " + std::strerror(lockErrno);
            return {};
        }
        if (std::chrono::steady_clock::now() >= giveUp) {
            error = lockPath + ": another program keeps the file locked";
            return {};
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

FileLock::~FileLock() {
    if (fd_ < 0) return;
    ::unlink(path_.c_str());  // still locked here, so nobody holds the file being removed
    ::close(fd_);
}

}  // namespace talvoren
