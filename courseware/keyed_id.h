// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ids that stand for pupils outside the school: a keyed hash (HMAC-SHA-256)
// of the name. The key is made once, at random, and kept in the records
// folder, so that the same pupil has the same id in every export from that
// folder and nobody without the folder can tell who it is.

#include <optional>
#include <string>
#include <string_view>

namespace talvoren {

inline constexpr const char* exportKeyFileName = "export.key";

std::string sha256Hex(std::string_view bytes);
std::string hmacSha256Hex(std::string_view key, std::string_view message);

// The folder's key, made and stored on first use; nothing, with the reason
// in `error`, when it can be neither read nor made.
std::optional<std::string> folderExportKey(const std::string& folder, std::string& error);

// The exported id of a pupil: "p" and 16 hex digits of the keyed hash.
std::string pupilExportId(std::string_view key, std::string_view pupil);

}  // namespace talvoren
