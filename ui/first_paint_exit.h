// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hook for timing start-up from outside: with the environment variable
// TALVOREN_EXIT_AFTER_FIRST_PAINT set, the program leaves its message loop
// right after the first question's line image has been painted and put on
// the screen, and the program then ends at once (its tear-down is not part
// of the start-up), so that a whole process runs from exec to that first
// paint. Without the variable nothing is watched.

class QWidget;

namespace talvoren::ui {

inline constexpr const char* exitAfterFirstPaintVariable = "TALVOREN_EXIT_AFTER_FIRST_PAINT";

// Watches the widget when the variable is set: after its first paint the
// application's message loop ends with status 0. Returns whether it watches.
bool exitAfterFirstPaintWhenAsked(QWidget& widget);

}  // namespace talvoren::ui
