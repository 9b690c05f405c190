// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sjis.h"

#include "core/cp932_table.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace talvoren::sjis {

namespace {

// One conversion with glibc iconv; "CP932" keeps 0x5C a backslash and knows
// the NEC and IBM rows that "SHIFT_JIS" refuses.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    std::vector<char> buffer(4 * in.size() + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), dst);
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false;  // EILSEQ: invalid or unmappable; EINVAL: truncated last character
            break;
        }
    }
    if (ok) {  // flush any shift state
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        if (iconv(cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<std::size_t>(-1)) ok = false;
        out.append(buffer.data(), dst);
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return out;
}

// glibc consumes the Unicode tag characters (U+E0000..U+E007F) and writes
// nothing for them; refuse them instead, as every other character without a
// code-page-932 form is refused.
bool hasTagCharacter(std::string_view utf8) {
    return utf8.find("\xF3\xA0\x80") != std::string_view::npos || utf8.find("\xF3\xA0\x81") != std::string_view::npos;
}

}  // namespace

namespace platform {

bool hasCp932() {
    // Probed once: the name must be known, the NEC row and the backslash kept,
    // and a character without a form refused (not written as a substitute).
    static const bool works = convert("CP932", "UTF-8", "\xE2\x91\xA0\\") == "\x87\x40\x5C" &&
                              !convert("CP932", "UTF-8", "\xF0\x9F\x98\x80");
    return works;
}

std::optional<std::string> toCp932(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    if (hasTagCharacter(utf8)) return std::nullopt;
    return convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> fromCp932(std::string_view cp932) {
    if (cp932.empty()) return std::string();
    return convert("UTF-8", "CP932", cp932);
}

}  // namespace platform

std::optional<std::string> toCp932(std::string_view utf8) {
    return platform::hasCp932() ? platform::toCp932(utf8) : table::toCp932(utf8);
}

std::optional<std::string> fromCp932(std::string_view cp932) {
    return platform::hasCp932() ? platform::fromCp932(cp932) : table::fromCp932(cp932);
}

std::optional<std::size_t> byteLength(std::string_view utf8) {
    const auto bytes = toCp932(utf8);
    if (!bytes) return std::nullopt;
    return bytes->size();
}

bool isUtf8(std::string_view bytes) {
    if (!platform::hasCp932()) return table::isUtf8(bytes);
    return bytes.empty() || convert("UTF-32LE", "UTF-8", bytes).has_value();
}

std::optional<std::string> firstUnencodable(std::string_view utf8) {
    if (toCp932(utf8)) return std::nullopt;
    while (!utf8.empty()) {
        const auto lead = static_cast<unsigned char>(utf8.front());
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string_view character = utf8.substr(0, length);
        if (!toCp932(character)) return std::string(character);
        utf8.remove_prefix(character.size());
    }
    return std::nullopt;
}

}  // namespace talvoren::sjis
