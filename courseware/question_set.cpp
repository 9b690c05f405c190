// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/question_set.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "core/sjis.h"

namespace talvoren {

int listedUnitCount(const CoursewareState& s) {
    int n = 0;
    while (n < maxUnits && !s.unitTitles()[n + 1].empty()) ++n;
    return n;
}

std::string workingDirectory() {
    std::error_code ec;
    std::string dir = std::filesystem::current_path(ec).string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

ReadStatus readQuestionSetFile(CoursewareState& s, const std::string& path) {
    std::string text;
    const ReadStatus status = readCp932File(path, text, questionSetReadLimit);
    if (status == ReadStatus::ok) s.setText(splitLines(text));
    s.setPath(path);
    return status;
}

std::string questionSetTooLargeText() {
    return "ファイルが大きすぎます（" + readLimitText(questionSetReadLimit) + "）";
}

std::string readFailureText(const std::string& path, ReadStatus status) {
    if (status == ReadStatus::tooLarge) return path + ":" + questionSetTooLargeText();
    return path + (status == ReadStatus::missing ? ":FileNot Exists" : ":File Can't Load");
}

std::string fatalErrorText(const std::string& text, int parseError) {
    return text + std::to_string(parseError) + ":致命的なエラーです";
}

std::string refusedSetText(const std::string& path, int line) {
    return path + ":" + (line > 0 ? std::to_string(line) + "行目:" : "") + "問題が不正です";
}

bool isBlankLine(std::string_view line) {
    constexpr std::string_view fullWidthSpace = "\u3000";
    while (!line.empty()) {
        if (line.front() == ' ' || line.front() == '\t')
            line.remove_prefix(1);
        else if (line.starts_with(fullWidthSpace))
            line.remove_prefix(fullWidthSpace.size());
        else
            return false;
    }
    return true;
}

std::string blankLineInUnitText(int line) {
    return std::to_string(line) + "行目が空の行です。単元の中（<<から>>まで）には空の行を置けません";
}

QuestionSetParse CoursewareState::readUnits(MessageSink& messages) {
    QuestionSetParse result;
    const auto stopAt = [&result](int line, std::string why) {
        result.stopLine = line;
        result.stopReason = std::move(why);
        return result;
    };
    result.stopReason = "単元がありません（<< で始まる行がありません）";
    if (text_.empty()) return result;
    titles_ = {};
    questions_ = {};
    questionCount_ = {};
    questionLine_ = {};
    int u = 0;  // the last unit started
    int q = 0;  // questions of the open unit so far
    bool unitOpen = false;
    int unitStartLine = 0;
    const auto unitLeftOpen = [&] {
        if (result.unclosedUnitLine == 0) result.unclosedUnitLine = unitStartLine;
    };

    int lineNumber = 0;
    for (const std::string& line : text_) {
        ++lineNumber;
        if (line.starts_with("<<")) {
            if (q != 0) return stopAt(lineNumber, "前の単元が >> で閉じられていません");
            if (u == maxUnits) {
                messages.showMessage("項目が多すぎます");
                return stopAt(lineNumber, "単元は" + std::to_string(maxUnits) + "個までです");
            }
            if (unitOpen) unitLeftOpen();
            ++u;
            titles_[u] = line.substr(2);
            unitOpen = true;
            unitStartLine = lineNumber;
        } else if (line == ">>") {
            if (q == 0)
                return stopAt(lineNumber, unitOpen ? "この単元には問題がありません"
                                                   : ">> に対応する << がありません");
            questionCount_[u] = q;
            q = 0;
            unitOpen = false;
        } else if (!unitOpen && isBlankLine(line)) {
            continue;  // between units, as most editors leave at the end of a file
        } else {
            // A question outside an open unit would restart the count of a
            // closed one and overwrite its questions.
            if (!unitOpen) return stopAt(lineNumber, "単元の外（<< と >> の間でない所）に問題があります");
            if (q == maxUnitQuestions) {
                messages.showMessage("問題は" + std::to_string(maxUnitQuestions) + "問以下です");
                return stopAt(lineNumber, "1つの単元の問題は" + std::to_string(maxUnitQuestions) + "問までです");
            }
            if (isBlankLine(line)) {
                messages.showMessage(blankLineInUnitText(lineNumber));
                return stopAt(lineNumber, "空の行です");
            }
            ++q;
            questions_[u][q] = line;
            questionLine_[u][q] = lineNumber;
        }
    }
    if (u == 0) return result;  // blank lines only
    if (unitOpen) unitLeftOpen();
    unitCount_ = u;
    result.ok = true;
    result.stopReason.clear();
    result.everyUnitClosed = result.unclosedUnitLine == 0;
    return result;
}

QuestionSetParse parseQuestionSetText(CoursewareState& s, MessageSink& messages) { return s.readUnits(messages); }

bool parseQuestionSet(CoursewareState& s, MessageSink& messages) {
    return parseQuestionSetText(s, messages).ok;
}

WriteResult writeQuestionSetFile(const CoursewareState& s, const std::string& path,
                                 FileSystemCalls& calls) {
    WriteResult result;
    std::string bytes;
    // Checked on the whole text so that a refusal names the line as the editor numbers it.
    if (!encodeCp932Lines(s.questionSetText(), bytes, result.badLine)) {
        result.status = WriteStatus::unencodable;
        result.badCharacter =
            sjis::firstUnencodable(s.questionSetText()[static_cast<std::size_t>(result.badLine - 1)]).value_or("");
        return result;
    }
    std::vector<std::string> written;
    std::copy_if(s.questionSetText().begin(), s.questionSetText().end(), std::back_inserter(written),
                 [](const std::string& line) { return !isBlankLine(line); });
    if (written.size() != s.questionSetText().size()) encodeCp932Lines(written, bytes, result.badLine);
    if (!replaceFile(path, bytes, result.error, calls)) result.status = WriteStatus::failed;
    return result;
}

std::string writeFailureText(const std::string& path, const WriteResult& result) {
    if (result.status == WriteStatus::unencodable)
        return std::to_string(result.badLine) + "行目の「" + result.badCharacter +
               "」はシフトJISで書けない文字のため、ファイルを保存できませんでした：" + path;
    return "ファイルを保存できませんでした：" + path + "（" + result.error + "）";
}

void CoursewareState::startAtFirstUnit() {
    currentUnit_ = 1;
    unitPosition_.fill(1);
}

void CoursewareState::chooseUnit(int unit, int position) {
    currentUnit_ = unit;
    unitPosition_.at(static_cast<std::size_t>(unit)) = position;
}

void CoursewareState::returnTo(const UnitPlace& place) {
    currentUnit_ = place.currentUnit;
    unitPosition_ = place.unitPosition;
}

bool CoursewareState::advanceInUnit() {
    int& position = unitPosition_.at(static_cast<std::size_t>(currentUnit_));
    if (position >= questionCount_.at(static_cast<std::size_t>(currentUnit_))) return false;
    ++position;
    return true;
}

void CoursewareState::backUp() { backup_ = Backup{text_, place()}; }

void CoursewareState::restore(MessageSink& messages) {
    if (!backup_) return;
    text_ = backup_->text;
    returnTo(backup_->place);
    readUnits(messages);
}

}  // namespace talvoren
