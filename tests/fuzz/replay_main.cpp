// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a fuzz target's corpus outside libFuzzer: every file of the folders
// (or the files) named on the command line goes through the target once, in
// name order. A broken invariant traps, so the replay fails with it.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

// Absolute paths: a target may change the working folder.
std::vector<fs::path> inputsOf(const fs::path& argument) {
    if (!fs::is_directory(argument)) return {fs::absolute(argument)};
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(argument))
        if (entry.is_regular_file()) files.push_back(fs::absolute(entry.path()));
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const auto found = inputsOf(argv[i]);
        files.insert(files.end(), found.begin(), found.end());
    }
    int replayed = 0;
    {
        for (const fs::path& file : files) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "cannot read %s\n", file.c_str());
                return 1;
            }
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            std::fprintf(stderr, "%s\n", file.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1;  // an empty or misnamed corpus is a fault too
}
