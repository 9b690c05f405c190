// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The labels of the worked page's lines: "①".."⑭" for lines 1 to 14, "0"
// for the scratch line; and the question's header on line 1.

#include <string>
#include <string_view>

#include "solving/page_layout.h"

namespace talvoren {

inline constexpr int lastLabelledLine = largePageLines;

// The label of line n; "" for any n outside 0..14.
std::string_view lineLabel(int n);

// The caption of line 1 for the question's number within its unit:
// "（3） 次の不等式を解きなさい".
std::string questionHeader(int number);

}  // namespace talvoren
