// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the question sheet shares out its pages. Questions go onto a page in
// order while their lines and least working space fit; the room left on the
// page is then shared out as more working space, in proportion to each
// question's least (so to its shortest solution), up to a limit, so that a
// question with a long solution gets the most room to write in.

#include <vector>

namespace talvoren::ui {

struct SheetQuestion {
    double lineHeight = 0.0;  // the printed question
    int steps = 0;            // the steps of its shortest solution
};

struct SheetPlace {
    int page = 0;             // counted from the unit's first page
    double top = 0.0;         // from the top of the page's question area
    double lineHeight = 0.0;
    double workHeight = 0.0;  // the working space under the question
};

struct SheetRoom {
    double firstPage = 0.0;   // height for questions on the first page (under the title)
    double laterPages = 0.0;  // and on every page after it
    double workPerStep = 0.0; // least working space for each line a pupil writes
};

// The least working space of a question: a line for each step and one for the answer.
double leastWorkHeight(int steps, double workPerStep);
// One place per question, in the questions' order.
std::vector<SheetPlace> packSheet(const std::vector<SheetQuestion>& questions, const SheetRoom& room);

}  // namespace talvoren::ui
