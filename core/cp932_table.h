// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Code page 932 by table, for platforms whose iconv has no "CP932" (or
// writes a substitute for what it cannot encode). Same results as glibc's
// conversion, failures included: any invalid input is an empty optional.

#include <optional>
#include <string>
#include <string_view>

namespace talvoren::sjis::table {

std::optional<std::string> toCp932(std::string_view utf8);
std::optional<std::string> fromCp932(std::string_view cp932);
// Well-formed UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isUtf8(std::string_view bytes);

}  // namespace talvoren::sjis::table
