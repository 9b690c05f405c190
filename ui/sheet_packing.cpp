// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet_packing.h"

#include <algorithm>

namespace talvoren::ui {

namespace {

// Shared-out room never makes a question's space more than this many times its least.
constexpr double mostWorkShare = 2.5;

// Gives the page's questions (first..end) the room left under them, and stacks them.
void spreadPage(std::vector<SheetPlace>& places, std::size_t first, double room) {
    double used = 0.0;
    double least = 0.0;
    for (std::size_t i = first; i < places.size(); ++i) {
        used += places[i].lineHeight + places[i].workHeight;
        least += places[i].workHeight;
    }
    const double spare = std::max(0.0, room - used);
    const double share = least > 0.0 ? std::min(spare / least, mostWorkShare - 1.0) : 0.0;
    double top = 0.0;
    for (std::size_t i = first; i < places.size(); ++i) {
        places[i].workHeight += places[i].workHeight * share;
        places[i].top = top;
        top += places[i].lineHeight + places[i].workHeight;
    }
}

}  // namespace

double leastWorkHeight(int steps, double workPerStep) { return (std::max(steps, 1) + 1) * workPerStep; }

std::vector<SheetPlace> packSheet(const std::vector<SheetQuestion>& questions, const SheetRoom& room) {
    std::vector<SheetPlace> places;
    std::size_t pageStart = 0;
    int page = 0;
    double used = 0.0;
    for (const SheetQuestion& q : questions) {
        const double work = leastWorkHeight(q.steps, room.workPerStep);
        const double pageRoom = page == 0 ? room.firstPage : room.laterPages;
        // A question that does not fit under the others starts the next page
        // (one taller than a whole page stands alone on its own).
        if (used > 0.0 && used + q.lineHeight + work > pageRoom) {
            spreadPage(places, pageStart, pageRoom);
            ++page;
            pageStart = places.size();
            used = 0.0;
        }
        places.push_back({page, 0.0, q.lineHeight, work});
        used += q.lineHeight + work;
    }
    if (pageStart < places.size()) spreadPage(places, pageStart, page == 0 ? room.firstPage : room.laterPages);
    return places;
}

}  // namespace talvoren::ui
