// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zoom: on a screen larger than 1024 × 768 the program's 1024 layout is
// scaled as a whole (windows, fonts, line images and dialogs together), by
// the largest factor that keeps it on the screen or by the user's choice
// from 表示 → 拡大. The one factor is the toolkit's own scale factor, set
// before the application object is made: every geometry in the code stays
// in layout pixels. The choice is kept in the program's own settings file in
// the user's configuration directory.

#include <QSize>
#include <QString>
#include <QVariant>
#include <optional>

class QMenu;

namespace talvoren {
class MessageSink;
}

namespace talvoren::ui {

enum class ZoomChoice { fitScreen, percent100, percent125, percent150, percent200 };

// The layout that zoom scales, and the smallest screen that is zoomed.
inline constexpr QSize zoomedLayout(1024, 768);

// The factor for a screen of the given size (in the toolkit's pixels before
// zooming): never above the one that fills the screen, never below 1.
double zoomFactor(ZoomChoice choice, QSize screen);

// The settings file and the choice kept in it (fitScreen when none).
QString zoomSettingsPath();
ZoomChoice savedZoomChoice();
// False when the file could not be written.
bool saveZoomChoice(ZoomChoice choice);
// Writes one key of the settings file; false when it could not be written.
bool saveSetting(const QString& key, const QVariant& value);

// The screen size (before zooming) the last run saw, kept beside the
// choice; empty when none was kept.
QSize lastScreenSize();
bool saveLastScreenSize(QSize screen);

// Why a choice cannot apply on a screen of the given size (before zooming):
// the layout would not fit it at that factor; empty when it can.
QString zoomRefusal(ZoomChoice choice, QSize screen);

// The factor a run started with `applied` must change to on a screen of
// the given size (before zooming); nullopt when `applied` is right.
std::optional<double> zoomChange(ZoomChoice choice, QSize screen, double applied);

// Run before the application object is made: sets the toolkit's scale
// factor for the screen the last run saw, so that the one application
// object usually comes up zoomed already.
void zoomForLastScreen();

// Run once the application object exists: keeps the primary screen's size
// for the next run and, when that screen asks for another factor than the
// one set (the first run on a large screen, or another screen), sets the
// factor and returns true: the application object must then be made again.
bool prepareZoom();

// The 拡大 submenu of 表示: 画面に合わせる, 100 %, 125 %, 150 %, 200 %, the
// saved choice checked; a choice this screen cannot take is disabled with its
// reason as tooltip and status tip. A new choice is saved and applies from
// the next start: the toolkit's scale factor is fixed once the program runs.
QMenu* addZoomMenu(QMenu* view, MessageSink& messages);

}  // namespace talvoren::ui
