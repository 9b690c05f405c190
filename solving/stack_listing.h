// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stack listing: the raw cells of every line of the worked page, one
// list entry per text, for a look inside the line table.

#include <string>
#include <vector>

#include "core/cells.h"

namespace talvoren {

// For each line 1..lineCount: its caption, one entry per cell ("2x1" and two
// blanks), then twenty hyphens and the line's label.
std::vector<std::string> stackListing(const ExprTables& tables, int lineCount);

}  // namespace talvoren
