// SPDX-License-Identifier: GPL-3.0-or-later
// The number panel shows a long entry whole, in smaller type.

#include <QFontMetricsF>
#include <gtest/gtest.h>

#include "ui/fit_label.h"
#include "ui/fonts.h"

namespace talvoren::ui {
namespace {

TEST(FitLabel, LongEntriesShrinkUntilTheyFit) {
    struct Case {
        const char* name;
        const char* text;
        bool shrinks;
    };
    const std::vector<Case> cases = {
        {"a short number keeps the size", "12", false},
        {"a fraction with a decimal", "2.5分の3x", true},
        {"a long fraction", "-12.75分の135x", true},
    };
    FitLabel panel;
    panel.setGeometry(8, 10, 81, 27);
    panel.setFont(pixelFont(facePGothic, 19, true));
    for (const Case& tc : cases) {
        panel.setText(QString::fromUtf8(tc.text));
        const QFont fitted = panel.fittedFont();
        EXPECT_EQ(fitted.pixelSize() < 19, tc.shrinks) << tc.name;
        EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(panel.text()), 81 - 4) << tc.name;
        EXPECT_TRUE(fitted.bold()) << tc.name;
    }
}

TEST(FitLabel, ShrinksNoFurtherThanNinePixels) {
    FitLabel panel(QStringLiteral("1234567890123456789012345678901234567890"));
    panel.resize(81, 27);
    panel.setFont(pixelFont(facePGothic, 19, true));
    EXPECT_EQ(panel.fittedFont().pixelSize(), 9);
}

}  // namespace
}  // namespace talvoren::ui
