// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/stack_listing.h"

#include <algorithm>

#include "solving/line_labels.h"

namespace talvoren {

std::vector<std::string> stackListing(const ExprTables& tables, int lineCount) {
    std::vector<std::string> entries;
    const int last = std::min(lineCount, answerLineIndex - 1);
    for (int i = 1; i <= last; ++i) {
        const ExprLine& line = tables.lines[static_cast<std::size_t>(i)];
        entries.push_back(line.caption);
        for (int c = 0; c < line.cellCount; ++c)
            entries.push_back(cellText(line.cells[static_cast<std::size_t>(c)]) + "  ");
        entries.push_back(std::string(20, '-') + std::string(lineLabel(i)));
    }
    return entries;
}

}  // namespace talvoren
