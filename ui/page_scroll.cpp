// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/page_scroll.h"

#include <algorithm>

namespace talvoren::ui {

int scrollToShow(const PageScroll& scroll, int top, int bottom) {
    int value = scroll.value;
    if (bottom > value + scroll.viewportHeight) value = bottom - scroll.viewportHeight;
    if (top < value + scroll.pinnedHeight && bottom - top <= scroll.viewportHeight - scroll.pinnedHeight)
        value = top - scroll.pinnedHeight;
    return std::clamp(value, 0, std::max(0, scroll.maximum));
}

}  // namespace talvoren::ui
