// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cp932_table.h"

#include <algorithm>

#include "core/cp932_table_data.h"

namespace talvoren::sjis::table {

namespace {

// Takes the first code point off well-formed UTF-8, or nullopt.
std::optional<char32_t> takeCodePoint(std::string_view& utf8) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned lead = byte(0);
    std::size_t length = 0;
    char32_t c = 0, least = 0;
    if (lead < 0x80) {
        length = 1, c = lead;
    } else if (lead >= 0xC2 && lead < 0xE0) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (utf8.size() < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
        c = c << 6 | (byte(i) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    utf8.remove_prefix(length);
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {  // the tables hold nothing beyond U+FFFF
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<std::uint16_t> encode(char32_t c) {
    if (c >= noCharacter) return std::nullopt;
    const auto it = std::lower_bound(encodings.begin(), encodings.end(), c,
                                     [](const Encoding& e, char32_t wanted) { return e.codePoint < wanted; });
    if (it == encodings.end() || it->codePoint != c) return std::nullopt;
    return it->bytes;
}

}  // namespace

std::optional<std::string> toCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto c = takeCodePoint(utf8);
        if (!c) return std::nullopt;
        const auto bytes = encode(*c);
        if (!bytes) return std::nullopt;
        if (*bytes > 0xFF) out += static_cast<char>(*bytes >> 8);
        out += static_cast<char>(*bytes & 0xFF);
    }
    return out;
}

std::optional<std::string> fromCp932(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const auto lead = static_cast<unsigned char>(cp932[i]);
        char16_t c = singleBytes[lead];
        if (leadRows[lead] != notLead) {
            if (++i == cp932.size()) return std::nullopt;  // truncated last character
            const unsigned trail = static_cast<unsigned char>(cp932[i]);
            if (trail < firstTrail || trail - firstTrail >= trailCount) return std::nullopt;
            c = doubleBytes[leadRows[lead]][trail - firstTrail];
        }
        if (c == noCharacter) return std::nullopt;
        appendUtf8(out, c);
    }
    return out;
}

bool isUtf8(std::string_view bytes) {
    while (!bytes.empty())
        if (!takeCodePoint(bytes)) return false;
    return true;
}

}  // namespace talvoren::sjis::table
