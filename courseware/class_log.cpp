// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/class_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>

#include "courseware/file_lock.h"

namespace talvoren {

namespace {

constexpr std::array<std::string_view, 8> kindNames = {"start", "step",   "detour", "refused",
                                                       "hint",  "verdict", "solved", "mastery"};
// The last field: a line that has it was written whole.
constexpr std::string_view lineEnd = "$";
constexpr std::size_t fieldCount = 18;
constexpr std::size_t maxPupilNameBytes = 64;

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

template <typename Int>
bool readNumber(std::string_view text, Int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

// Whether the file's last byte ends a line (an empty file does).
bool endsWithLineBreak(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size == 0) return true;
    char last = '\n';
    return ::pread(fd, &last, 1, info.st_size - 1) != 1 || last == '\n';
}

}  // namespace

std::string_view eventKindName(EventKind kind) { return kindNames[static_cast<std::size_t>(kind)]; }

std::optional<EventKind> eventKindNamed(std::string_view name) {
    const auto it = std::find(kindNames.begin(), kindNames.end(), name);
    if (it == kindNames.end()) return std::nullopt;
    return static_cast<EventKind>(it - kindNames.begin());
}

std::string classLogLine(const ClassEvent& e) {
    const std::array<std::string, fieldCount> fields = {
        std::string(classLogVersion), std::to_string(e.time), escaped(e.pupil), escaped(e.machine),
        escaped(e.set), std::to_string(e.unit), std::to_string(e.question), escaped(e.questionText),
        std::to_string(e.line), escaped(e.operation), escaped(e.number), std::string(eventKindName(e.kind)),
        escaped(e.code), escaped(e.text), std::to_string(e.steps), std::to_string(e.shortest),
        std::to_string(e.sinceLast), std::string(lineEnd)};
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty()) line += '\t';
        line += field;
    }
    line += '\n';
    return line;
}

std::optional<ClassEvent> parseClassLogLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> f = splitTabs(line);
    if (f.size() != fieldCount || f[0] != classLogVersion || f[fieldCount - 1] != lineEnd) return std::nullopt;
    ClassEvent e;
    const auto kind = eventKindNamed(f[11]);
    if (!kind || !readNumber(f[1], e.time) || !readNumber(f[5], e.unit) || !readNumber(f[6], e.question) ||
        !readNumber(f[8], e.line) || !readNumber(f[14], e.steps) || !readNumber(f[15], e.shortest) ||
        !readNumber(f[16], e.sinceLast))
        return std::nullopt;
    e.kind = *kind;
    std::array<std::pair<std::string_view, std::string*>, 8> texts = {{{f[2], &e.pupil},
                                                                      {f[3], &e.machine},
                                                                      {f[4], &e.set},
                                                                      {f[7], &e.questionText},
                                                                      {f[9], &e.operation},
                                                                      {f[10], &e.number},
                                                                      {f[12], &e.code},
                                                                      {f[13], &e.text}}};
    for (auto& [field, target] : texts) {
        auto text = unescaped(field);
        if (!text) return std::nullopt;
        *target = std::move(*text);
    }
    return e;
}

std::optional<std::string> pupilNameProblem(std::string_view name) {
    if (name.empty()) return "名前が入っていません";
    if (name.size() > maxPupilNameBytes) return "名前が長すぎます（" + std::to_string(maxPupilNameBytes) + "バイトまで）";
    if (name.front() == '.' || name.front() == ' ' || name.back() == ' ')
        return "名前の最初と最後には、点や空白を使えません";
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            return "名前に使えない文字があります（/ \\ : * ? \" < > | など）";
    }
    return std::nullopt;
}

std::string pupilLogPath(const std::string& folder, const std::string& pupil) {
    return (std::filesystem::path(folder) / (pupil + std::string(classLogExtension))).string();
}

std::string pupilRecordPath(const std::string& folder, const std::string& pupil) {
    return (std::filesystem::path(folder) / (pupil + ".rec")).string();
}

bool appendClassEvent(const std::string& folder, const ClassEvent& event, std::string& error,
                      FileSystemCalls& calls) {
    if (const auto problem = pupilNameProblem(event.pupil)) {
        error = *problem;
        return false;
    }
    const std::string path = pupilLogPath(folder, event.pupil);
    // Two copies of the program for one pupil take turns; other pupils never wait.
    const FileLock lock = FileLock::acquire(path, error);
    if (!lock.held()) return false;
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    std::string line = classLogLine(event);
    if (!endsWithLineBreak(fd)) line.insert(line.begin(), '\n');
    const ssize_t written = calls.write(fd, line.data(), line.size());
    const int writeErrno = errno;
    const bool closed = calls.close(fd) == 0;
    if (written != static_cast<ssize_t>(line.size())) {
        error = path + ": " + (written < 0 ? std::strerror(writeErrno) : "short write");
        return false;
    }
    if (!closed) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

std::vector<std::string> classPupils(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::filesystem::path& p = entry.path();
        if (p.extension() == classLogExtension && entry.is_regular_file(ec)) names.push_back(p.stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace talvoren
