// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: a trap for a broken invariant (the fuzzer and
// the corpus replay both report it), a message sink that counts and keeps
// what was shown, and a reader that takes the fuzzer's bytes piece by piece.

#include <stdlib.h>

#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"

namespace talvoren::fuzz {

// Says which invariant broke before trapping.
// (Clang 14 with this standard library has no std::source_location.)
inline void require(bool condition, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    if (condition) return;
    std::fprintf(stderr, "broken invariant at %s:%d\n", file, line);
    __builtin_trap();
}

class CountingSink : public MessageSink {
public:
    void showMessage(const std::string& text) override { shown.push_back(text); }
    Answer ask(const std::string&, const std::string& text, Buttons, Icon) override {
        shown.push_back(text);
        return Answer::yes;
    }
    std::vector<std::string> shown;
};

class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    bool empty() const { return rest_.empty(); }
    std::uint8_t byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    std::string_view rest() {
        const std::string_view all = rest_;
        rest_ = {};
        return all;
    }

private:
    std::string_view rest_;
};

// A fresh folder of this process's own, on a memory file system where there
// is one (a file written per input costs little there), with a final "/".
// It is removed when the process exits normally.
inline const std::string& scratchFolder() {
    static std::string folder;
    if (folder.empty()) {
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path base =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        std::string pattern = (base / "talvoren-fuzz-XXXXXX").string();
        require(::mkdtemp(pattern.data()) != nullptr);
        folder = pattern + "/";
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(folder, ec);
        });
    }
    return folder;
}

inline void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    require(static_cast<bool>(out));
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace talvoren::fuzz
