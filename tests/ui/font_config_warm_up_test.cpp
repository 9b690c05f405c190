// SPDX-License-Identifier: GPL-3.0-or-later
// The font configuration is read ahead on another core: the warm-up finds
// the fontconfig the toolkit loaded, and the toolkit's faces are found after it.

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <gtest/gtest.h>

#include "ui/font_config_warm_up.h"
#include "ui/fonts.h"

namespace talvoren::ui {
namespace {

TEST(FontConfigWarmUp, ReadsWithTheToolkitsFontconfig) {
    FontConfigWarmUp warmUp;
    EXPECT_TRUE(warmUp.started()) << "fontconfig is not loaded under the name looked for";
    warmUp.listFaces();
    // Measuring text meanwhile waits for the list, and finds its face.
    const QString frameFace = QFontInfo(pixelFont(facePGothic, 12)).family();
    warmUp.finish();
    warmUp.finish();  // a second wait returns at once
    EXPECT_TRUE(QFontDatabase::families().contains(frameFace));
}

}  // namespace
}  // namespace talvoren::ui
