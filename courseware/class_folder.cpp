// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/class_folder.h"

#include <filesystem>
#include <fstream>

namespace talvoren {

std::vector<std::string> ClassFolder::refresh() {
    std::vector<std::string> changed;
    for (const std::string& pupil : classPupils(folder_)) {
        if (readAppended(pupil, logs_[pupil])) changed.push_back(pupil);
    }
    return changed;
}

bool ClassFolder::readAppended(const std::string& pupil, PupilLog& log) {
    const std::string path = pupilLogPath(folder_, pupil);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) return false;
    if (size < log.consumed) log = {};  // the log was replaced: read it afresh
    const bool hadTornTail = log.tornTail;
    if (size == log.consumed) {
        log.tornTail = false;
        return hadTornTail;
    }
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(log.consumed));
    std::string bytes(size - log.consumed, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));

    std::string_view rest = bytes;
    for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(end + 1)) {
        log.consumed += end + 1;
        if (auto event = parseClassLogLine(rest.substr(0, end))) {
            event->pupil = pupil;  // the file names the pupil
            log.events.push_back(std::move(*event));
        } else if (end > 0) {
            ++log.skipped;
        }
    }
    log.tornTail = !rest.empty();
    return true;
}

int ClassFolder::eventCount() const {
    int count = 0;
    for (const auto& [pupil, log] : logs_) count += static_cast<int>(log.events.size());
    return count;
}

int ClassFolder::skippedCount() const {
    int count = 0;
    for (const auto& [pupil, log] : logs_) count += log.skipped + (log.tornTail ? 1 : 0);
    return count;
}

std::vector<std::string> ClassFolder::warnings() const {
    std::vector<std::string> texts;
    for (const auto& [pupil, log] : logs_) {
        const int skipped = log.skipped + (log.tornTail ? 1 : 0);
        if (skipped == 0) continue;
        texts.push_back(pupil + std::string(classLogExtension) + ": 読めない行を" + std::to_string(skipped) +
                        "行とばしました" + (log.tornTail ? "（最後の行が途中で切れています）" : ""));
    }
    return texts;
}

}  // namespace talvoren
