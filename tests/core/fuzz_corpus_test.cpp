// Replays the parsers' fuzz seed corpus through the fuzz entry point, so the
// invariants it checks hold in every ordinary test run.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(ParserFuzzCorpus, EverySeedKeepsTheInvariants) {
    const std::filesystem::path corpus = std::filesystem::path(TALVOREN_TEST_DIR) / "fuzz/corpus";
    int seeds = 0;
    for (const auto& file : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(file.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        SCOPED_TRACE(file.path().filename().string());
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         bytes.size()),
                  0);
        ++seeds;
    }
    EXPECT_GE(seeds, 10);
}

}  // namespace
