// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pupil's mastery kept in the record file, in a section of its own
// ("習熟度", one key per skill name, "P QUESTIONS"), so that it survives a
// restart and leaves the units' counts alone.

#include <string>

#include "courseware/mastery.h"

namespace talvoren {

inline constexpr const char* masterySection = "習熟度";

// What the file holds; the starting values for skills it does not name and
// for a file that is missing or cannot be read.
Mastery loadMastery(const std::string& recordPath);
// False with `error` set when the file cannot be read or written.
bool saveMastery(const std::string& recordPath, const Mastery& mastery, std::string& error);

}  // namespace talvoren
