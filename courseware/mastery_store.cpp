// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/mastery_store.h"

#include "courseware/ini_file.h"
#include "courseware/records.h"

namespace talvoren {

Mastery loadMastery(const std::string& recordPath) {
    Mastery mastery;
    ReadStatus status{};
    const IniFile file = IniFile::load(recordPath, status, recordFileReadLimit);
    for (std::size_t i = 0; i < skillNames.size(); ++i)
        if (const auto value = file.value(masterySection, skillNames[i])) mastery.read(static_cast<Skill>(i), *value);
    return mastery;
}

bool saveMastery(const std::string& recordPath, const Mastery& mastery, std::string& error) {
    ReadStatus status{};
    IniFile file = IniFile::load(recordPath, status, recordFileReadLimit);
    if (status != ReadStatus::ok && status != ReadStatus::missing) {
        error = recordPath + ":記録を読めませんでした";
        return false;  // never write less over a file that could not be read
    }
    for (std::size_t i = 0; i < skillNames.size(); ++i)
        file.writeString(masterySection, skillNames[i], mastery.valueText(static_cast<Skill>(i)));
    return file.save(recordPath, error);
}

}  // namespace talvoren
