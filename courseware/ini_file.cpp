// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/ini_file.h"

#include <algorithm>

namespace talvoren {

namespace {

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// ASCII letters only: the names are UTF-8, whose other bytes are never ASCII.
bool sameName(std::string_view a, std::string_view b) {
    a = trimmed(a);
    b = trimmed(b);
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// The name of a "[name]" line. The closing bracket is the line's last one,
// so that a name may itself hold "]".
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.rfind(']');
    if (close == 0 || close == std::string_view::npos) return std::nullopt;
    return line.substr(1, close - 1);
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> keyValue(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyValue{trimmed(line.substr(0, eq)), trimmed(line.substr(eq + 1))};
}

std::string entryLine(std::string_view key, std::string_view value) {
    return std::string(trimmed(key)) + "=" + std::string(trimmed(value));
}

}  // namespace

IniFile IniFile::load(const std::string& path, ReadStatus& status, const ReadLimit& limit) {
    std::string text;
    status = readCp932File(path, text, limit);
    if (status != ReadStatus::ok) return IniFile();
    return IniFile(splitLines(text));
}

std::optional<IniFile::Range> IniFile::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (!name || !sameName(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end])) ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto range = findSection(section);
    if (!range) return std::nullopt;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto kv = keyValue(lines_[i]);
        if (kv && sameName(kv->key, key)) return std::string(kv->value);
    }
    return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    return value(section, key).value_or(std::string(fallback));
}

bool IniFile::hasSection(std::string_view section) const {
    return findSection(section).has_value();
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const auto range = findSection(section);
    if (!range) {
        std::string header = "[";  // not operator+: GCC 12 warns of -Wrestrict in Release there
        header.append(trimmed(section)).push_back(']');
        lines_.push_back(std::move(header));
        lines_.push_back(entryLine(key, value));
        return;
    }
    std::size_t last = range->header;  // the section's last non-blank line
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto kv = keyValue(lines_[i]);
        if (kv && sameName(kv->key, key)) {
            lines_[i] = entryLine(key, value);
            return;
        }
        if (!trimmed(lines_[i]).empty()) last = i;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), entryLine(key, value));
}

void IniFile::eraseSection(std::string_view section) {
    while (const auto range = findSection(section))
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
}

bool IniFile::save(const std::string& path, std::string& error, FileSystemCalls& calls) const {
    std::string bytes;
    int badLine = 0;
    if (!encodeCp932Lines(lines_, bytes, badLine)) {
        error = std::to_string(badLine) + "行目にシフトJISで書けない文字があります";
        return false;
    }
    return replaceFile(path, bytes, error, calls);
}

}  // namespace talvoren
