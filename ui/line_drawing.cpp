// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/line_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/fonts.h"
#include "ui/painter_surface.h"

namespace talvoren::ui {

namespace {

// Pixels kept free before the label, and at the right edge of an image
// without one.
constexpr int labelGap = 8;
constexpr int edgeGap = 4;
// The label's top: the caption font's point size + 3 + 16 (31).
constexpr int labelTopOffset = 3 + 16;
// The answer image's plain text: 16 points.
constexpr int plainTextPixels = 21;
// The number font is never drawn smaller than this many device pixels: the
// smallest size at which a digit, the minus and a fraction bar all read.
constexpr double legibleTypePixels = 11.0;

// Measures how far right the drawing reaches, with the glyphs' widths.
class ExtentSurface : public Surface {
public:
    void drawText(int x, int y, const std::string& text) override {
        const QFontMetricsF metrics(surfaceQFont(font()));
        const QString s = QString::fromStdString(text);
        const double width = std::max(metrics.horizontalAdvance(s), metrics.boundingRect(s).right());
        reach(x + width);
        (void)y;
    }
    void drawHorizontalLine(int, int x2, int) override { reach(x2 + 1); }
    void setScale(double factor, int) override { scale_ = factor; }
    void drawStroke(double, double, double x2, double, double) override { reach(x2); }
    void drawCircle(double x, double, double radius, bool) override { reach(x + radius); }

    double rightEdge() const { return rightEdge_; }

private:
    void reach(double x) { rightEdge_ = std::max(rightEdge_, x * scale_); }

    double scale_ = 1.0;
    double rightEdge_ = 0.0;
};

}  // namespace

int lineRoom(int number, int imageWidth) {
    return number == answerImage ? imageWidth - edgeGap : imageWidth - labelColumnWidth - labelGap;
}

double typesetRightEdge(int number, TypesetMode mode, const ExprLine& line, TypesetFlags flags, char unknownLetter) {
    ExtentSurface extent;
    flags.shrink = 1.0;
    Typesetter(extent, flags, unknownLetter).typeset(number, mode, line);
    return extent.rightEdge();
}

double shrinkToFit(double rightEdge, int room) {
    return rightEdge > room && room > 0 ? room / rightEdge : 1.0;
}

LineFit chooseLineFit(double natural, double closed, double room, double minimumScale) {
    if (natural <= room) return {};
    if (closed <= room || closed <= 0) return {true, 1.0};
    return {true, std::clamp(room / closed, std::min(minimumScale, 1.0), 1.0)};
}

double legibleScale(double devicePixelRatio) {
    const double devicePixels = holderPixelSize(FontHolder::fntNum) * std::max(devicePixelRatio, 0.01);
    return std::min(1.0, legibleTypePixels / devicePixels);
}

namespace {

LineFit fitOf(int number, const ExprLine& line, TypesetFlags flags, char unknownLetter, int room,
              double minimumScale) {
    flags.closeSpacing = false;
    const double natural = typesetRightEdge(number, TypesetMode::full, line, flags, unknownLetter);
    if (natural <= room) return {};
    flags.closeSpacing = true;
    return chooseLineFit(natural, typesetRightEdge(number, TypesetMode::full, line, flags, unknownLetter), room, minimumScale);
}

}  // namespace

LineFit fitLine(int number, const ExprLine& line, TypesetFlags flags, char unknownLetter, int imageWidth,
                double minimumScale) {
    return fitOf(number, line, flags, unknownLetter, lineRoom(number, imageWidth), minimumScale);
}

int legibleImageWidth(int number, const ExprLine& line, TypesetFlags flags, char unknownLetter, int imageWidth,
                      double minimumScale) {
    const int room = lineRoom(number, imageWidth);
    const LineFit fit = fitOf(number, line, flags, unknownLetter, room, minimumScale);
    flags.closeSpacing = fit.closeSpacing;
    const double reach = typesetRightEdge(number, TypesetMode::full, line, flags, unknownLetter) * fit.scale;
    return reach <= room ? imageWidth : imageWidth + static_cast<int>(std::ceil(reach - room));
}

void drawCaptionOn(Surface& surface, const std::string& caption) {
    surface.setFont(FontHolder::fntKnj);
    surface.drawText(0, 0, caption);
}

bool typesetOn(Surface& surface, int number, TypesetMode mode, const ExprLine& line, TypesetFlags flags,
               char unknownLetter, int imageWidth, double minimumScale) {
    // The second drawing of a line past 30 columns comes out as the first:
    // the fit below decides its size, not the fixed small type.
    (void)mode;
    const LineFit fit = fitOf(number, line, flags, unknownLetter, lineRoom(number, imageWidth), minimumScale);
    flags.closeSpacing = fit.closeSpacing;
    flags.shrink = fit.scale;
    return Typesetter(surface, flags, unknownLetter).typeset(number, TypesetMode::full, line);
}

void drawLabelOn(Surface& surface, int imageWidth, const std::string& label) {
    // Upright, in the caption font's face and size.
    surface.setFont(SurfaceFont{FontHolder::fntKnj, holderPixelSize(FontHolder::fntKnj), false});
    surface.drawText(imageWidth - labelColumnWidth, surface.pointSize() + labelTopOffset, label);
}

void drawPlainTextOn(Surface& surface, int imageHeight, const std::string& text) {
    surface.setFont(SurfaceFont{FontHolder::fntKnjMin, plainTextPixels, false});
    // In the answer's band, whatever lies under it.
    surface.drawText(0, std::min(imageHeight, answerBandHeight) / 3, text);
}

double lineDrawingHeight(double width, QSize layoutSize) {
    return layoutSize.width() > 0 ? width * layoutSize.height() / layoutSize.width() : 0.0;
}

void paintLineDrawing(QPainter& painter, const QRectF& target, QSize layoutSize, const LineDrawing& drawing) {
    if (layoutSize.width() <= 0) return;
    painter.save();
    const double scale = target.width() / layoutSize.width();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    {
        PainterSurface surface(painter);
        if (!drawing.plainText.empty()) drawPlainTextOn(surface, layoutSize.height(), drawing.plainText);
        if (!drawing.caption.empty()) drawCaptionOn(surface, drawing.caption);
        if (drawing.typeset) {
            typesetOn(surface, drawing.number, drawing.mode, drawing.line, drawing.flags, drawing.unknownLetter,
                      layoutSize.width(), drawing.minimumScale);
        }
        if (!drawing.label.empty() && drawing.number != answerImage)
            drawLabelOn(surface, layoutSize.width(), drawing.label);
        if (drawing.numberLine) drawNumberLineOn(surface, *drawing.numberLine, layoutSize.width());
    }
    painter.restore();
}

}  // namespace talvoren::ui
