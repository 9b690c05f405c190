// SPDX-License-Identifier: GPL-3.0-or-later
// Lines wider than their image are shrunk about the left edge to fit, the
// label's column stays clear, and images at a higher pixel density hold
// the same drawing in more pixels.

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/question_parser.h"
#include "courseware/support.h"
#include "ui/fonts.h"
#include "ui/line_drawing.h"
#include "ui/line_image.h"
#include "ui/qt_surface.h"
#include "ui/recording_surface.h"

namespace talvoren::ui {
namespace {

// Line image widths of the page's layouts: 640, 800, 1024, and a wide
// screen's zoomed layout (1366 layout pixels across).
struct Layout {
    const char* name;
    int imageWidth;
};
const std::vector<Layout> layouts = {{"640", 227}, {"800", 307}, {"1024", 419}, {"wide", 590}};

// Questions that ran past their images before.
const std::vector<std::string> longQuestions = {
    "3x+2<x+8",
    "2(x-3)-x>x-6",
    "3(x+2)-2(x-1)+1/2x-3/4<5/6x+7/8",
    "(1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+x)<1",
    "0.3x+1.2<0.5x-0.4",
};

ExprLine parsed(const std::string& question, char& letter, bool& decimals) {
    test::RecordingSink sink;
    CoreState core(sink);
    EXPECT_TRUE(parseQuestion(core, 0, question)) << question;
    letter = core.unknownLetter;
    decimals = core.hasDecimalPoint;
    return core.lines[0];
}

// The right edge of the recorded texts, each scaled as it was drawn.
double recordedRightEdge(const RecordingSurface& s, double scale) {
    double right = 0;
    for (const DrawnText& t : s.texts) {
        const QFontMetricsF m(surfaceQFont(t.font));
        const QString text = QString::fromStdString(t.text);
        right = std::max(right, (t.x + std::max(m.horizontalAdvance(text), m.boundingRect(text).right())) * scale);
    }
    for (const DrawnBar& bar : s.bars) right = std::max(right, (bar.x2 + 1) * scale);
    return right;
}

TEST(LineFit, LongLinesShrinkToTheirImageAndKeepTheLabelColumnClear) {
    for (const Layout& layout : layouts) {
        for (const std::string& question : longQuestions) {
            for (const TypesetMode mode : {TypesetMode::full, TypesetMode::small}) {
                SCOPED_TRACE(std::string(layout.name) + " " + question + (mode == TypesetMode::small ? " small" : " full"));
                char letter = '@';
                bool decimals = false;
                const ExprLine line = parsed(question, letter, decimals);
                RecordingSurface surface;
                typesetOn(surface, 1, mode, line, {decimals, false}, letter, layout.imageWidth);
                drawLabelOn(surface, layout.imageWidth, "①");
                ASSERT_FALSE(surface.texts.empty());
                const DrawnText label = surface.texts.back();
                surface.texts.pop_back();
                const double scale = surface.scalesSet.empty() ? 1.0 : surface.scalesSet.front().first;
                // Drawn to the right edge of the room at most, and only shrunk when needed.
                const int room = lineRoom(1, layout.imageWidth);
                EXPECT_LE(recordedRightEdge(surface, scale), room + 0.5);
                if (scale < (mode == TypesetMode::small ? smallTypeScale : 1.0)) {
                    EXPECT_GT(recordedRightEdge(surface, scale), room - 2);
                }
                EXPECT_EQ(label.x, layout.imageWidth - labelColumnWidth);
                EXPECT_LT(room, label.x) << "a gap before the label";
                // Every element of the line is drawn: nothing is dropped to make it fit.
                const std::string drawn = surface.joinedText();
                EXPECT_TRUE(drawn.find("＜") != std::string::npos || drawn.find("＞") != std::string::npos) << drawn;
            }
        }
    }
}

TEST(LineFit, AShortLineKeepsItsSize) {
    char letter = '@';
    bool decimals = false;
    const ExprLine line = parsed("x+3<5", letter, decimals);
    for (const Layout& layout : layouts) {
        RecordingSurface surface;
        typesetOn(surface, 1, TypesetMode::full, line, {}, letter, layout.imageWidth);
        EXPECT_TRUE(surface.scalesSet.empty()) << layout.name;
    }
}

TEST(LineFit, TheAnswerImageUsesItsWholeWidth) {
    EXPECT_EQ(lineRoom(answerImage, 272), 268);
    EXPECT_EQ(lineRoom(1, 419), 419 - 40);
}

// Columns of an image (in layout pixels) that hold ink in any row.
std::vector<bool> inkedColumns(const QImage& image) {
    const double ratio = image.devicePixelRatio();
    std::vector<bool> inked(int(image.width() / ratio) + 1, false);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) inked[int(x / ratio)] = true;
    return inked;
}

QImage drawnLine(const std::string& question, int width, double ratio) {
    char letter = '@';
    bool decimals = false;
    const ExprLine line = parsed(question, letter, decimals);
    LineImage image(1, nullptr);
    image.setPixelRatio(ratio);
    image.setImageGeometry(QRect(0, 0, width, 75));
    {
        QtSurface surface(image.image());
        drawCaptionOn(surface, "（1） 次の不等式を解きなさい");
        typesetOn(surface, 1, TypesetMode::full, line, {decimals, false}, letter, width);
        drawLabelOn(surface, width, "①");
    }
    return image.image();
}

TEST(LineFit, OnTheBitmapAGapSeparatesTheLineFromItsLabelAtEveryZoom) {
    for (const Layout& layout : layouts) {
        for (const double zoom : {1.0, 1.5, 2.0}) {
            SCOPED_TRACE(std::string(layout.name) + " zoom " + std::to_string(zoom));
            const QImage image = drawnLine(longQuestions[2], layout.imageWidth, zoom);
            const int labelX = layout.imageWidth - labelColumnWidth;
            // The caption may run on; look below it, where the line and label are.
            QImage below = image.copy(0, int(20 * zoom), image.width(), image.height() - int(20 * zoom));
            below.setDevicePixelRatio(zoom);
            const std::vector<bool> lower = inkedColumns(below);
            EXPECT_FALSE(lower[labelX - 2]) << "gap column";
            bool labelInk = false;
            for (int x = labelX; x < layout.imageWidth; ++x) labelInk = labelInk || lower[x];
            EXPECT_TRUE(labelInk);
        }
    }
}

// One row per case: how far a line reaches with its own and with closed-up
// spacing, the room, the legible minimum, and the fit expected.
TEST(LineFit, SpacingClosesBeforeShrinkingAndNeverBelowTheLegibleSize) {
    struct Row {
        const char* name;
        double natural, closed, room, minimum;
        LineFit expected;
    };
    const std::vector<Row> rows = {
        {"fits as it is", 300, 200, 300, 0.5, {false, 1.0}},
        {"fits once closed up", 400, 280, 300, 0.5, {true, 1.0}},
        {"closed up, then shrunk", 800, 600, 300, 0.4, {true, 0.5}},
        {"stops at the legible size", 800, 600, 150, 0.5, {true, 0.5}},
        {"a minimum above full size is full size", 800, 600, 150, 2.0, {true, 1.0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const LineFit fit = chooseLineFit(row.natural, row.closed, row.room, row.minimum);
        EXPECT_EQ(fit.closeSpacing, row.expected.closeSpacing);
        EXPECT_DOUBLE_EQ(fit.scale, row.expected.scale);
    }
}

// The long question on the page's layouts: never drawn below the legible
// size of an ordinary screen, closed up, and given the width it needs.
TEST(LineFit, TheLongQuestionStaysLegibleOnEveryLayout) {
    char letter = '@';
    bool decimals = false;
    const ExprLine line = parsed(longQuestions[2], letter, decimals);
    const double minimum = legibleScale(1.0);
    EXPECT_GE(minimum * holderPixelSize(FontHolder::fntNum), 11.0 - 1e-9);
    const double natural = typesetRightEdge(1, TypesetMode::full, line, {}, letter);
    TypesetFlags closed;
    closed.closeSpacing = true;
    EXPECT_LT(typesetRightEdge(1, TypesetMode::full, line, closed, letter), natural * 0.8);
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        RecordingSurface surface;
        const int width = legibleImageWidth(1, line, {}, letter, layout.imageWidth, minimum);
        typesetOn(surface, 1, TypesetMode::full, line, {}, letter, width, minimum);
        const double scale = surface.scalesSet.empty() ? 1.0 : surface.scalesSet.front().first;
        EXPECT_GE(scale, minimum - 1e-9);
        EXPECT_LE(recordedRightEdge(surface, scale), lineRoom(1, width) + 0.5);
    }
}

TEST(LineImageDensity, TwiceThePixelsAndTheSameLayoutAtRatioTwo) {
    const QImage one = drawnLine("3x+2<x+8", 419, 1.0);
    const QImage two = drawnLine("3x+2<x+8", 419, 2.0);
    EXPECT_EQ(one.size(), QSize(419, 75));
    EXPECT_EQ(two.size(), QSize(838, 150));
    EXPECT_EQ(two.deviceIndependentSize(), QSizeF(419, 75));
    // The same ink, column by column, within a pixel of antialiasing.
    const std::vector<bool> a = inkedColumns(one), b = inkedColumns(two);
    int differing = 0;
    for (std::size_t x = 1; x + 1 < a.size(); ++x)
        if (a[x] != b[x] && a[x] == a[x - 1] && a[x] == a[x + 1]) ++differing;
    EXPECT_LE(differing, 3);
}

}  // namespace
}  // namespace talvoren::ui
