// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/page_layout.h"

namespace talvoren {

PageLayoutChoice pageLayoutForScreen(int screenWidth) {
    const PageSize& small = pageSizes.front();
    const PageSize& large = pageSizes.back();
    if (screenWidth == small.screenWidth) return {small.lineCapacity, true};
    if (screenWidth == large.screenWidth) return {large.lineCapacity, false};
    return {mediumPageLines, false};  // 800 and every other width
}

}  // namespace talvoren
