// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/records.h"

#include <sys/statfs.h>
#include <sys/statvfs.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "solving/writing_hints.h"

namespace talvoren {

namespace {

constexpr long iso9660Magic = 0x9660;
constexpr long udfMagic = 0x15013346;
const std::string dateKey = "DATE";

}  // namespace

std::string solvedMark(int count) { return count > 0 ? "★" : ""; }

LocalTime localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
}

std::string recordDate(const LocalTime& t) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d年%02d月%02d日%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute);
    return buffer;
}

std::optional<int> parseRecordCount(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > maxRecordCount) return std::nullopt;
    }
    return value;
}

std::string chooseRecordDir(const std::string& appDir, bool readOnlyMedium,
                            const char* xdgDataHome, const char* home) {
    if (!readOnlyMedium) return appDir;
    std::string base;
    if (xdgDataHome && xdgDataHome[0] == '/')  // a relative value is to be ignored
        base = xdgDataHome;
    else
        base = std::string(home ? home : "") + "/.local/share";
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return base + "/talvoren/";
}

bool isOnReadOnlyMedium(const std::string& dir) {
    struct statfs fs {};
    if (::statfs(dir.c_str(), &fs) == 0 &&
        (static_cast<long>(fs.f_type) == iso9660Magic || static_cast<long>(fs.f_type) == udfMagic))
        return true;
    struct statvfs vfs {};
    return ::statvfs(dir.c_str(), &vfs) == 0 && (vfs.f_flag & ST_RDONLY) != 0;
}

std::string recordDirFor(const std::string& appDir) {
    return chooseRecordDir(appDir, isOnReadOnlyMedium(appDir), std::getenv("XDG_DATA_HOME"),
                           std::getenv("HOME"));
}

PracticeRecords::PracticeRecords(std::string recordDir, MessageSink& messages, LocalClock clock,
                                 FileSystemCalls& calls)
    : dir_(std::move(recordDir)),
      path_(dir_ + recordFileName),
      messages_(messages),
      clock_(std::move(clock)),
      calls_(calls) {}

void PracticeRecords::setRecordDir(std::string recordDir) {
    dir_ = std::move(recordDir);
    path_ = dir_ + recordFileName;
}

std::optional<IniFile> PracticeRecords::open() {
    ReadStatus status;
    IniFile records = IniFile::load(path_, status, recordFileReadLimit);
    if (status == ReadStatus::ok || status == ReadStatus::missing) return records;
    std::string why;
    if (status == ReadStatus::tooLarge) why = "（ファイルが大きすぎます：" + readLimitText(recordFileReadLimit) + "）";
    messages_.showMessage("練習の記録を読み込めませんでした：" + path_ + why);
    return std::nullopt;
}

FileLock PracticeRecords::lock() {
    std::error_code ec;
    std::filesystem::create_directories(dir_.empty() ? "." : dir_, ec);
    std::string error;
    FileLock lock = FileLock::acquire(path_, error);
    if (!lock.held()) messages_.showMessage("練習の記録を保存できませんでした：" + path_ + "（" + error + "）");
    return lock;
}

bool PracticeRecords::store(const IniFile& records) {
    std::string error;
    if (records.save(path_, error, calls_)) return true;
    messages_.showMessage("練習の記録を保存できませんでした：" + path_ + "（" + error + "）");
    return false;
}

namespace {

std::string writtenKey(int number) { return "Written" + std::to_string(number); }
std::string mistakesKey(int number) { return "Mistakes" + std::to_string(number); }

// A count kept under a key of this program's own; anything unreadable counts 0.
int storedCount(std::string_view text) { return parseRecordCount(text).value_or(0); }

}  // namespace

// "Written3=4 3 1" (lines, right, shown) and "Mistakes3=noflip:1 arith:2".
WritingTally writtenTally(const IniFile& records, const std::string& title, int number) {
    WritingTally tally;
    std::istringstream written(records.readString(title, writtenKey(number), ""));
    std::string lines, right, shown;
    written >> lines >> right >> shown;
    tally.lines = storedCount(lines);
    tally.right = storedCount(right);
    tally.shown = storedCount(shown);
    std::istringstream mistakes(records.readString(title, mistakesKey(number), ""));
    for (std::string entry; mistakes >> entry;) {
        const auto colon = entry.find(':');
        if (colon == std::string::npos) continue;
        for (int i = 0; i < mistakeCodeCount; ++i)
            if (entry.substr(0, colon) == mistakeCodeName(static_cast<MistakeCode>(i)))
                tally.mistakes[static_cast<std::size_t>(i)] = storedCount(entry.substr(colon + 1));
    }
    return tally;
}

void writeWrittenTally(IniFile& records, const std::string& title, int number, const WritingTally& tally) {
    const auto capped = [](int n) { return std::to_string(std::min(n, maxRecordCount)); };
    records.writeString(title, writtenKey(number),
                        capped(tally.lines) + " " + capped(tally.right) + " " + capped(tally.shown));
    std::string mistakes;
    for (int i = 0; i < mistakeCodeCount; ++i) {
        const int count = tally.mistakes[static_cast<std::size_t>(i)];
        if (count == 0) continue;
        if (!mistakes.empty()) mistakes += ' ';
        mistakes += std::string(mistakeCodeName(static_cast<MistakeCode>(i))) + ":" + capped(count);
    }
    if (!mistakes.empty()) records.writeString(title, mistakesKey(number), mistakes);
}

bool PracticeRecords::recordSolved(const CoursewareState& s, int unit, int number, const WritingTally* written) {
    const FileLock held = lock();
    if (!held.held()) return false;
    auto records = open();
    if (!records) return false;
    const std::string& title = s.unitTitles()[unit];
    const std::string key = std::to_string(number);
    const int n = parseRecordCount(records->readString(title, key, "")).value_or(0);
    records->writeString(title, key, std::to_string(std::min(n + 1, maxRecordCount)));
    records->writeString(title, dateKey, recordDate(clock_()));
    if (written && written->lines > 0) {
        WritingTally sum = writtenTally(*records, title, number);
        sum.lines += written->lines;
        sum.right += written->right;
        sum.shown += written->shown;
        for (std::size_t i = 0; i < sum.mistakes.size(); ++i) sum.mistakes[i] += written->mistakes[i];
        writeWrittenTally(*records, title, number, sum);
    }
    return store(*records);
}

std::vector<std::string> PracticeRecords::listing(const CoursewareState& s) {
    std::vector<std::string> lines;
    const IniFile records = open().value_or(IniFile());
    std::string faults;
    for (int u = 1; u <= listedUnitCount(s); ++u) {
        const std::string& title = s.unitTitles()[u];
        lines.push_back(title);
        const std::string date = records.readString(title, dateKey, "");
        if (!date.empty()) lines.push_back(date);
        for (int q = 1; q <= s.unitQuestionCount()[u]; ++q) {
            const std::string text = records.readString(title, std::to_string(q), "0");
            const auto count = parseRecordCount(text);
            if (!count) faults += "\n" + title + " " + std::to_string(q) + "=" + text;
            lines.push_back("  " + std::to_string(q) + solvedMark(count.value_or(0)));
            if (const WritingTally written = writtenTally(records, title, q); written.lines > 0)
                lines.push_back("      " + writingStatus(written));
        }
    }
    if (!faults.empty())
        messages_.showMessage("練習の記録に正しくない回数があります（0から9999の整数ではありません）：" +
                              path_ + faults);
    return lines;
}

std::vector<std::string> PracticeRecords::unitsWithRecords(const CoursewareState& s) {
    std::vector<std::string> titles;
    const IniFile records = open().value_or(IniFile());
    for (int u = 1; u <= listedUnitCount(s); ++u)
        if (!records.readString(s.unitTitles()[u], dateKey, "").empty())
            titles.push_back(s.unitTitles()[u]);
    return titles;
}

bool PracticeRecords::eraseUnit(const std::string& title) {
    const FileLock held = lock();
    if (!held.held()) return false;
    auto records = open();
    if (!records) return false;
    records->eraseSection(title);
    return store(*records);
}

}  // namespace talvoren
