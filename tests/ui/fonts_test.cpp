// SPDX-License-Identifier: GPL-3.0-or-later
// The faces the program asks for resolve to the installed free faces; a
// missing font package fails here rather than drawing in a Latin fallback.

#include "ui/fonts.h"

#include <QFontInfo>
#include <QImage>

#include <gtest/gtest.h>

#include "line_builder.h"
#include "ui/qt_surface.h"
#include "ui/typesetter.h"

namespace talvoren::ui {
namespace {

TEST(Fonts, OriginalFacesResolveToInstalledFaces) {
    struct Case {
        QString asked;
        QString resolved;
    };
    const std::vector<Case> cases = {
        {faceBookman, "URW Bookman"},
        {faceMincho, "IPAMincho"},
        {faceGothic, "IPAGothic"},
        {facePGothic, "IPAPGothic"},
    };
    for (const Case& tc : cases) {
        const QFontInfo info(pixelFont(tc.asked, 19));
        // Qt adds " [foundry]" where two foundries offer the family.
        const QString family = info.family().section(QStringLiteral(" ["), 0, 0);
        EXPECT_EQ(family, tc.resolved) << tc.asked.toStdString();
        EXPECT_EQ(info.pixelSize(), 19);
    }
}

TEST(Fonts, NumberFontIsItalic) {
    EXPECT_TRUE(QFontInfo(surfaceQFont(holderFont(FontHolder::fntNum))).italic());
    EXPECT_FALSE(QFontInfo(surfaceQFont(holderFont(FontHolder::fntKnjMin))).italic());
}

int countPixels(const QImage& image, const std::function<bool(QColor)>& test) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(image.pixelColor(x, y));
    return n;
}

bool reddish(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }

TEST(QtSurface, DrawsTheLineInBlackAndTheReversedRelationInRed) {
    using talvoren::testing::c;
    using talvoren::testing::k;
    const ExprLine line = talvoren::testing::lineOf({c(1, 1, 'x'), k('>'), c(-1, 2, '/')});
    for (bool reversed : {false, true}) {
        QImage image(419, 75, QImage::Format_RGB32);
        image.fill(Qt::white);
        char letter = 'x';
        {
            QtSurface surface(image);
            Typesetter(surface, {false, reversed}, letter).typeset(1, TypesetMode::full, line);
        }
        EXPECT_GT(countPixels(image, [](QColor c) { return c.lightness() < 100; }), 30);
        // Everything is drawn between the caption band and the bottom row.
        EXPECT_EQ(countPixels(image.copy(0, 0, 419, 16), [](QColor c) { return c != Qt::white; }), 0);
        EXPECT_EQ(countPixels(image, reddish) > 10, reversed);
    }
}

}  // namespace
}  // namespace talvoren::ui
