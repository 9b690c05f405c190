// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The code-page-932 tables that stand in for iconv where the platform has no
// "CP932" (a WebAssembly build): generated from glibc's conversion by
// scripts/make-cp932-table.sh into cp932_table_data.cpp.

#include <array>
#include <cstdint>

namespace talvoren::sjis::table {

// Marks a byte or pair that is no character.
inline constexpr char16_t noCharacter = 0xFFFF;
// Marks a byte that does not start a two-byte character.
inline constexpr std::uint8_t notLead = 0xFF;
inline constexpr unsigned firstTrail = 0x40;
inline constexpr std::size_t trailCount = 189;  // 0x40..0xFC
inline constexpr std::size_t leadCount = 60;    // 0x81..0x9F, 0xE0..0xFC

// A code point and its code-page-932 bytes (one byte when below 0x100).
struct Encoding {
    char16_t codePoint;
    std::uint16_t bytes;
};

extern const std::array<char16_t, 256> singleBytes;
extern const std::array<std::uint8_t, 256> leadRows;  // row in doubleBytes, or notLead
extern const std::array<std::array<char16_t, trailCount>, leadCount> doubleBytes;
// Sorted by code point; where several byte pairs decode to one character,
// the pair the platform writes.
extern const std::array<Encoding, 9406> encodings;

}  // namespace talvoren::sjis::table
