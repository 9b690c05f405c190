// SPDX-License-Identifier: GPL-3.0-or-later
// The practice records through `play`, with a record file already in the
// working directory: counts that are not 0..9999 are reported once, show no
// stars, and start again at one when the question is solved.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/sjis.h"
#include "tools/driver.h"

namespace fs = std::filesystem;

namespace talvoren::driver {
namespace {

TEST(DriverRecords, InvalidCountsAreReportedAndStartAgain) {
    const fs::path home = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "talvoren-records-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    const fs::path dir = pattern;
    std::ofstream(dir / "kessavir.rec", std::ios::binary)
        << sjis::toCp932("[test]\r\n1=99999999\r\nDATE=2026年12月07日09:05\r\n").value();
    std::ofstream(dir / "s.play") << "question 2x<4\nrecords\npress btnShiki1\npress btnWaru\n"
                                     "press btn2\npress btnJikkou\nrecords\n";
    fs::current_path(dir);
    std::ostringstream out, err;
    EXPECT_EQ(cmdPlay({"s.play"}, out, err), 0) << err.str();
    const std::string records = sjis::fromCp932([&] {
        std::ifstream in(dir / "kessavir.rec", std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }()).value();
    fs::current_path(home);
    fs::remove_all(dir);

    const std::string transcript = out.str();
    const std::string reported = "message: 練習の記録に正しくない回数があります（0から9999の整数ではありません）：" +
                                 (dir / "kessavir.rec").string() + "\ntest 1=99999999\n";
    EXPECT_NE(transcript.find(reported + "records: test\nrecords: 2026年12月07日09:05\nrecords:   1\n"),
              std::string::npos)
        << transcript;
    EXPECT_NE(transcript.find("record: test 1\n"), std::string::npos) << transcript;
    EXPECT_TRUE(transcript.ends_with("records:   1★\n")) << transcript;
    EXPECT_TRUE(records.starts_with("[test]\r\n1=1\r\nDATE=")) << records;
}

}  // namespace
}  // namespace talvoren::driver
