// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/file_lock.h"

#include <gtest/gtest.h>

#include "support.h"

namespace talvoren {
namespace {

using namespace std::chrono_literals;

TEST(FileLock, ExcludesASecondHolderUntilReleasedAndLeavesNoLockFile) {
    test::ScratchDir dir;
    const std::string path = dir.file("kessavir.rec");
    std::string error;
    {
        const FileLock first = FileLock::acquire(path, error);
        ASSERT_TRUE(first.held()) << error;
        const FileLock second = FileLock::acquire(path, error, 30ms);
        EXPECT_FALSE(second.held());
        EXPECT_NE(error.find("kessavir.rec.lock"), std::string::npos) << error;
    }
    EXPECT_TRUE(dir.entries().empty());
    const FileLock again = FileLock::acquire(path, error, 30ms);
    EXPECT_TRUE(again.held()) << error;
}

TEST(FileLock, NamesTheLockFileAndTheReasonWhenItCannotBeMade) {
    test::ScratchDir dir;
    std::string error;
    const FileLock lock = FileLock::acquire(dir.file("missing/kessavir.rec"), error);
    EXPECT_FALSE(lock.held());
    EXPECT_NE(error.find("missing/kessavir.rec.lock: No such file or directory"), std::string::npos) << error;
}

}  // namespace
}  // namespace talvoren
