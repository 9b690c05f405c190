// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program-wide set-up of the application object: the title, the mapped
// faces and Qt's own Japanese texts for the standard buttons.

#include <QApplication>
#include <QString>

namespace talvoren::ui {

inline const QString applicationTitle = QStringLiteral("Merulan Talvoren");

// Names the application, maps the fonts and loads qtbase_ja.qm. False when
// the translation could not be loaded (the buttons then read in English).
bool setUpApplication(QApplication& app);

}  // namespace talvoren::ui
