// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/page_layout.h"

namespace talvoren {

PageLayoutChoice pageLayoutForScreen(int screenWidth) {
    switch (screenWidth) {
    case 640: return {smallPageLines, true};
    case 1024: return {largePageLines, false};
    default: return {mediumPageLines, false};  // 800 and every other width
    }
}

}  // namespace talvoren
