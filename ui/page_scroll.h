// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the worked page scrolls so that the newest work stays in view: the
// description line is pinned over the top of the page, and the region below
// it (the newest line, and the answer box when it is shown) must show whole.

namespace talvoren::ui {

struct PageScroll {
    int value;            // the scroll position now
    int viewportHeight;   // the height the page shows
    int pinnedHeight;     // the description line's band at the top
    int maximum;          // the largest scroll position
};

// The scroll position that shows the region top..bottom (page pixels) below
// the pinned band, moving as little as it can. A region taller than the room
// shows its bottom (the answer box); the page never scrolls sideways.
int scrollToShow(const PageScroll& scroll, int top, int bottom);

}  // namespace talvoren::ui
