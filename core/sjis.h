// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversion between the program's UTF-8 text and code page 932 (Shift-JIS
// as Windows writes it), and the byte length of a text in code page 932.
// Every failure (invalid bytes, a truncated last character, a character with
// no code-page-932 form) is reported as an empty optional, never a crash.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace talvoren::sjis {

std::optional<std::string> toCp932(std::string_view utf8);
std::optional<std::string> fromCp932(std::string_view cp932);
// Bytes the text takes in code page 932 (a full-width character counts 2).
std::optional<std::size_t> byteLength(std::string_view utf8);

// Whether the byte starts a two-byte character of code page 932.
constexpr bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Whether the bytes are well-formed UTF-8.
bool isUtf8(std::string_view bytes);
// The first character of the UTF-8 text that has no code-page-932 form;
// nullopt when every character has one.
std::optional<std::string> firstUnencodable(std::string_view utf8);

// The conversions above use the platform's iconv where it has a sound
// "CP932" and the built-in table (core/cp932_table.h) where it has not.
namespace platform {
bool hasCp932();
std::optional<std::string> toCp932(std::string_view utf8);
std::optional<std::string> fromCp932(std::string_view cp932);
}  // namespace platform

}  // namespace talvoren::sjis
