// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows that fit the screen: a dialog laid out for a larger screen shows
// its controls in a scroll area of the size the screen has room for, so
// that each of them can be reached (the focus moving by Tab scrolls it
// into view), and the windows close from the keyboard.

#include <QSize>

class QWidget;

namespace talvoren::ui {

// The room a window has on a screen of the given size: less the strip kept
// at the bottom and a window's title bar.
QSize windowRoom(QSize screen);

// A dialog of fixed size larger than room: its controls move into a scroll
// area and the dialog takes the room. A dialog that fits stays as it is.
void fitDialogToRoom(QWidget& dialog, QSize room);

// A resizable window at most as large as room.
void boundWindowToRoom(QWidget& window, QSize room);

}  // namespace talvoren::ui
