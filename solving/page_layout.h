// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worked page's line slots: how many each screen width gets, and how
// many of them have a line button.

#include <array>
#include <string_view>

namespace talvoren {

// Line slots of the three page layouts.
inline constexpr int smallPageLines = 8;    // 640 wide
inline constexpr int mediumPageLines = 12;  // 800 wide and any other width
inline constexpr int largePageLines = 14;   // 1024 wide
inline constexpr int defaultLineCapacity = largePageLines;

// The three page layouts, narrowest first: screen width and line slots.
struct PageSize {
    int screenWidth;
    int lineCapacity;
};
inline constexpr std::array<PageSize, 3> pageSizes{{{640, smallPageLines}, {800, mediumPageLines}, {1024, largePageLines}}};

// btnShiki1..btnShiki12: lines 13 and 14 have none.
inline constexpr int maxLineButtons = 12;

struct PageLayoutChoice {
    int lineCapacity;       // smallPageLines, mediumPageLines or largePageLines
    bool warnResolution;    // show lowResolutionMessage first
};

inline constexpr std::string_view lowResolutionMessage = "できれば８００×６００以上の解像度にしてください";

PageLayoutChoice pageLayoutForScreen(int screenWidth);

}  // namespace talvoren
