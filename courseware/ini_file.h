// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An initialization file ("[section]" lines and "key=value" lines) with the
// Windows profile semantics: section and key names compared without regard
// to ASCII case, names and values trimmed of blanks, unknown lines kept as
// they are. Code page 932 on disk; the file is created on the first save and
// every save replaces it atomically.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "courseware/file_io.h"

namespace talvoren {

class IniFile {
public:
    // Reads the file at path. A missing file is an empty profile (status
    // missing); unreadable or notCp932 leave the profile empty and must not
    // be saved over the file they came from.
    // A file beyond `limit` is refused as tooLarge.
    static IniFile load(const std::string& path, ReadStatus& status, const ReadLimit& limit);
    explicit IniFile(std::vector<std::string> lines = {}) : lines_(std::move(lines)) {}

    // The trimmed value of key in section; nullopt when either is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    bool hasSection(std::string_view section) const;

    // Sets key=value, appending the key to its section or a new section at the end.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    // Removes the section's header and every line up to the next section.
    void eraseSection(std::string_view section);

    const std::vector<std::string>& lines() const { return lines_; }

    // Replaces the file at path with this profile. False with `error` set
    // when the text has no code-page-932 form or the file cannot be written.
    bool save(const std::string& path, std::string& error,
              FileSystemCalls& calls = systemFileCalls()) const;

private:
    struct Range {
        std::size_t header;  // index of the "[section]" line
        std::size_t end;     // one past the section's last line
    };
    std::optional<Range> findSection(std::string_view section) const;

    std::vector<std::string> lines_;  // UTF-8, without line breaks
};

}  // namespace talvoren
