// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a click on each control does. The desktop frame and the driver both
// click through this one table, so both follow the same rule: a disabled
// control takes no click.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "solving/control.h"

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

    // Whether the control takes a click now.
    bool enabled(Control control) const;
    // A click on the control; nothing happens while it is disabled.
    void click(Control control) const;

private:
    ControlTargets targets_;
};

}  // namespace talvoren
