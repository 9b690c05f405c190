// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/question_refusal.h"

#include "core/sjis.h"

namespace talvoren {

namespace {

int characterAt(std::string_view question, int bytePosition) {
    const auto bytes = sjis::toCp932(question);
    if (!bytes) return 0;
    int character = 0;
    for (int i = 0; i < bytePosition && i < static_cast<int>(bytes->size()); ++i) {
        ++character;
        if (sjis::isLeadByte(static_cast<unsigned char>((*bytes)[static_cast<std::size_t>(i)]))) ++i;
    }
    return character;
}

}  // namespace

std::string refusalDescription(std::string_view question, const std::string& reason,
                               int bytePosition) {
    const int character = bytePosition > 0 ? characterAt(question, bytePosition) : 0;
    if (character == 0) return reason;
    return reason + "（" + std::to_string(character) + "文字目）";
}

}  // namespace talvoren
