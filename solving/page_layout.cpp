// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/page_layout.h"

namespace talvoren {

PageLayoutChoice pageLayoutForScreen(int screenWidth) {
    switch (screenWidth) {
    case 640: return {8, true};
    case 1024: return {14, false};
    default: return {12, false};  // 800 and every other width
    }
}

}  // namespace talvoren
