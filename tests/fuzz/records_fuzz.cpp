// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the record file: the first byte chooses an action (count a
// solution, erase a unit, list), the second the unit and question, the rest
// is the record file's bytes. Invariants: a file that cannot be read, or
// whose new text cannot be written, is left byte for byte as it was, after a
// message; otherwise every line the action does not touch survives in its
// order, the count grows by one (to at most 9999) with the unit's date, an
// erased unit has no section left, and a listing never writes the file.

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "courseware/records.h"
#include "fuzz_support.h"

namespace {

using namespace talvoren;
using fuzz::require;

const LocalTime fixedTime{2026, 12, 7, 9, 5};

bool sameName(std::string_view a, std::string_view b) {
    const auto trim = [](std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
        return s;
    };
    a = trim(a);
    b = trim(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Whether `after` keeps every line of `before` in order, leaving out the
// lines the action may change: the touched keys of the first section of
// that name, or every line of every section of that name when erasing.
bool untouchedLinesSurvive(const std::vector<std::string>& before, const std::vector<std::string>& after,
                           const std::string& title, const std::vector<std::string>& keys, bool wholeSection) {
    std::size_t j = 0;
    bool inTitle = false, titleSeen = false;
    for (const std::string& line : before) {
        const std::string_view t = line;
        const auto open = t.find_first_not_of(" \t");
        const auto close = t.rfind(']');
        if (open != std::string_view::npos && t[open] == '[' && close != std::string_view::npos && close > open) {
            const bool named = sameName(t.substr(open + 1, close - open - 1), title);
            inTitle = named && (wholeSection || !titleSeen);
            titleSeen = titleSeen || named;
        }
        if (inTitle && wholeSection) continue;
        const auto eq = line.find('=');
        bool touched = false;
        for (const std::string& key : keys)
            touched = touched || (inTitle && eq != std::string::npos && sameName(line.substr(0, eq), key));
        if (touched) continue;
        // The earliest match keeps the most room for the lines after it.
        while (j < after.size() && after[j] != line) ++j;
        if (j == after.size()) return false;
        ++j;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzBytes in(data, size);
    const std::uint8_t action = in.byte() % 3;
    const std::uint8_t which = in.byte();
    const std::string_view bytes = in.rest();
    const std::string& dir = fuzz::scratchFolder();
    const std::string path = dir + recordFileName;
    fuzz::writeFile(path, bytes);

    ReadStatus status;
    const IniFile old = IniFile::load(path, status, recordFileReadLimit);
    std::vector<std::string> text;
    for (const char* title : {"単元１", "a", " Mixed Case "}) text.insert(text.end(), {"<<" + std::string(title), "x<1", "x<1", "x<1", "x<1", "x<1", "x<1", "x<1", ">>"});
    // A unit named like the file's first section, so that existing sections are hit.
    for (const std::string& line : old.lines())
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            text.push_back("<<" + line.substr(1, line.size() - 2));
            text.insert(text.end(), 7, "x<1");
            text.push_back(">>");
            break;
        }
    CoursewareState s;
    s.setText(std::move(text));
    fuzz::CountingSink quiet;
    parseQuestionSet(s, quiet);
    const int unit = 1 + which % (s.unitTitles()[4].empty() ? 3 : 4);
    const int question = 1 + (which >> 4) % maxUnitQuestions;
    const std::string title = s.unitTitles()[unit];

    fuzz::CountingSink sink;
    PracticeRecords records(dir, sink, [] { return fixedTime; });
    bool written = true;
    if (action == 0)
        written = records.recordSolved(s, unit, question);
    else if (action == 1)
        written = records.eraseUnit(title);
    else {
        records.listing(s);
        records.unitsWithRecords(s);
    }
    const std::string after = fuzz::readFile(path);
    if (action == 2 || !written) {
        require(after == bytes);
        if (!written) require(!sink.shown.empty());
        return 0;
    }
    require(status == ReadStatus::ok || status == ReadStatus::missing);

    ReadStatus newStatus;
    const IniFile now = IniFile::load(path, newStatus, recordFileReadLimit);
    require(newStatus == ReadStatus::ok);
    const std::string key = std::to_string(question);
    if (action == 0) {
        const int before = parseRecordCount(old.readString(title, key, "")).value_or(0);
        require(now.readString(title, key, "") == std::to_string(std::min(before + 1, maxRecordCount)));
        require(now.readString(title, "DATE", "") == recordDate(fixedTime));
        require(untouchedLinesSurvive(old.lines(), now.lines(), title, {key, "DATE"}, false));
    } else {
        require(!now.hasSection(title));
        require(untouchedLinesSurvive(old.lines(), now.lines(), title, {}, true));
    }
    return 0;
}
