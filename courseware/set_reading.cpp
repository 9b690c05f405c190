// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/set_reading.h"

#include <algorithm>

#include "core/sjis.h"

namespace talvoren {

namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

// UTF-8 rather than code page 932: marked so, or beyond ASCII and well-formed
// UTF-8, which Shift-JIS text next to never is (its lead bytes 0x81..0x9F
// cannot start a UTF-8 character).
bool looksLikeUtf8(std::string_view bytes) {
    if (bytes.starts_with(utf8Bom)) return true;
    const bool beyondAscii =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return beyondAscii && sjis::isUtf8(bytes);
}

}  // namespace

std::string notShiftJisText(const std::string& path) {
    return path + "：シフトJISのテキストではありません";
}

std::string readAsUtf8Question(const std::string& path) {
    return notShiftJisText(path) +
           "。UTF-8のテキストとして読み込みますか？（保存するときはシフトJISで書き込みます）";
}

SetReading readQuestionSetForUse(CoursewareState& s, const std::string& path, MessageSink& messages) {
    std::string bytes;
    if (readWholeFile(path, bytes, questionSetReadLimit.maxBytes) != ReadStatus::ok || !looksLikeUtf8(bytes) ||
        !sjis::isUtf8(bytes)) {
        const ReadStatus status = readQuestionSetFile(s, path);
        if (status == ReadStatus::notCp932) messages.showMessage(notShiftJisText(path));
        return {status};
    }
    s.setPath(path);
    if (messages.ask("確認", readAsUtf8Question(path), Buttons::yesNo, Icon::question) != Answer::yes)
        return {ReadStatus::notCp932};
    if (bytes.starts_with(utf8Bom)) bytes.erase(0, utf8Bom.size());
    std::vector<std::string> lines = splitLines(bytes);
    if (lines.size() > questionSetReadLimit.maxLines) return {ReadStatus::tooLarge};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto character = sjis::firstUnencodable(lines[i])) {
            messages.showMessage(path + "：" + std::to_string(i + 1) + "行目の「" + *character +
                                 "」はシフトJISで書けない文字のため、読み込めません");
            return {ReadStatus::notCp932};
        }
    }
    s.setText(std::move(lines));
    return {ReadStatus::ok, true};
}

}  // namespace talvoren
