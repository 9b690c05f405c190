// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/line_labels.h"

#include <array>

namespace talvoren {

std::string_view lineLabel(int n) {
    static constexpr std::array<std::string_view, lastLabelledLine + 1> lineLabels = {
        "0", "①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪", "⑫", "⑬", "⑭",
    };
    if (n < 0 || n > lastLabelledLine) return "";
    return lineLabels[static_cast<std::size_t>(n)];
}

std::string questionHeader(int number) { return "（" + std::to_string(number) + "） 次の不等式を解きなさい"; }

}  // namespace talvoren
