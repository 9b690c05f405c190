// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How many line slots the worked page gets for a screen width.

#include <string_view>

namespace talvoren {

struct PageLayoutChoice {
    int lineCapacity;       // 8, 12 or 14
    bool warnResolution;    // show lowResolutionMessage first
};

inline constexpr std::string_view lowResolutionMessage = "できれば８００×６００以上の解像度にしてください";

PageLayoutChoice pageLayoutForScreen(int screenWidth);

}  // namespace talvoren
