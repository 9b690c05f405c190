// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records folder for readers outside the school: a DataShop transaction
// file (tab-delimited) and xAPI 1.0.3 statements (one JSON object a line).
// Pupils appear only as keyed-hash ids (courseware/keyed_id.h).

#include <string>
#include <vector>

#include "courseware/class_log.h"

namespace talvoren {

inline constexpr const char* defaultXapiHomePage = "https://school.invalid/talvoren";

// The pupil's own transactions are exported; the tutor's estimate of their
// mastery is this program's business, not a transaction.
bool isExported(const ClassEvent& event);

// The DataShop columns, in order.
const std::vector<std::string>& dataShopColumns();
// One row per event, fields in the order of dataShopColumns().
std::vector<std::string> dataShopRow(const ClassEvent& event, const std::string& key);

// The event as an xAPI statement, actor an account on homePage.
std::string xapiStatement(const ClassEvent& event, const std::string& key, const std::string& homePage);

// "2026-12-09 00:45:10" (UTC), as DataShop reads times.
std::string utcTimeText(std::int64_t seconds);

}  // namespace talvoren
