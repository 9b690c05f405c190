// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls the pupil clicks, by their names on the windows, and what a
// click on each does. The desktop frame and the driver both click through
// this one table, so both follow the same rule: a disabled control takes no
// click.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace talvoren {

class HintCoach;
class Sequencing;
class Worksheet;

// What the controls act on.
struct ControlTargets {
    Worksheet& worksheet;
    HintCoach& coach;
    Sequencing& sequencing;
    // Whether the answer box grbKai, with its image Image16, is on show:
    // only then does it take clicks.
    std::function<bool()> answerBoxShown;
};

class Controls {
public:
    explicit Controls(ControlTargets targets) : targets_(std::move(targets)) {}

    // Every control's name: btnShiki1..12, Image1..14, Image16, grbKai, the
    // operation buttons, the pad keys, btnJikkou, btnTeisei, btnNext,
    // BitBtn1 and btnHint.
    static std::vector<std::string> names();
    static bool exists(std::string_view name);

    // Whether the control takes a click now.
    bool enabled(std::string_view name) const;
    // A click on the control; nothing happens while it is disabled. False
    // when no control has that name.
    bool click(std::string_view name) const;

private:
    ControlTargets targets_;
};

}  // namespace talvoren
