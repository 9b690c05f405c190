// SPDX-License-Identifier: GPL-3.0-or-later
// try VALUE: 確かめ on a solved page, the question's two sides worked out for
// the value typed on the pad.

#include <iostream>

#include "core/entry_parser.h"
#include "solving/trial_value.h"
#include "tools/driver_play_session.h"

namespace talvoren::driver {

void tryOnPage(PlaySession& s, const std::string& padText) {
    if (!s.worksheet.state().solvedFlag) {
        std::cerr << "play: try needs a solved page\n";
        return;
    }
    const ExprCell cell = parseEntry(s.core, padText);
    s.worksheet.showNotices();
    if (cell.den == 0) return;  // refused, with the pad's message
    if (cell.kind != CellKind::constant) {
        std::cerr << "play: try needs a number, not " << padText << '\n';
        return;
    }
    const std::optional<TrialResult> trial = tryValue(s.core.lines[1], s.core.unknownLetter, Ratio::of(cell));
    if (!trial) {
        std::cerr << "play: the question cannot be worked out for " << padText << '\n';
        return;
    }
    s.out << "try: " << ratioText(trial->value) << " | " << ratioText(trial->left) << ' '
          << relationText(trial->relation) << ' ' << ratioText(trial->right) << " | "
          << (trial->holds ? "in" : "out") << '\n';
}

}  // namespace talvoren::driver
