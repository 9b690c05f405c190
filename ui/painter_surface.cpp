// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

#include "ui/fonts.h"

namespace talvoren::ui {

namespace {

// The minus sign is a bar as long as this share of a digit's advance and as
// thick as this share of the font's pixel size (a digit's stroke).
constexpr double minusLength = 0.8;
constexpr double minusThickness = 0.085;

}  // namespace

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

PainterSurface::PainterSurface(QPainter& painter) : painter_(painter), base_(painter.transform()) {
    painter_.save();
    painter_.setRenderHint(QPainter::TextAntialiasing);
    fontChanged();
    colorChanged();
}

PainterSurface::~PainterSurface() { painter_.restore(); }

void PainterSurface::fontChanged() { painter_.setFont(surfaceQFont(font())); }

void PainterSurface::colorChanged() { painter_.setPen(toQColor(color())); }

void PainterSurface::drawText(int x, int y, const std::string& text) {
    // The number font's hyphen is small and low: a sign is drawn as a real
    // minus, centred on the digits' height.
    if (bookmanFace() && text == "-") {
        drawMinus(x, y);
        return;
    }
    // The layout places the top of the text; QPainter wants the baseline.
    const QFontMetricsF metrics(painter_.font());
    painter_.drawText(QPointF(x, y + metrics.ascent()), QString::fromStdString(text));
}

void PainterSurface::drawMinus(int x, int y) {
    const QFontMetricsF metrics(painter_.font());
    const QRectF digit = metrics.tightBoundingRect(QStringLiteral("0"));
    const double baseline = y + metrics.ascent();
    // However small the line is drawn, the minus keeps one device pixel.
    const double devicePixel = 1.0 / std::max(1e-6, std::abs(painter_.transform().m22()) *
                                                        painter_.device()->devicePixelRatioF());
    const double thickness = std::max(devicePixel, painter_.font().pixelSize() * minusThickness);
    const double length = metrics.horizontalAdvance(QLatin1Char('0')) * minusLength;
    const double centreY = baseline + digit.center().y();
    painter_.fillRect(QRectF(x + 1, centreY - thickness / 2, length, thickness), painter_.pen().color());
}

void PainterSurface::drawHorizontalLine(int x1, int x2, int y) {
    painter_.save();
    painter_.setPen(QPen(Qt::black, 1));
    painter_.drawLine(x1, y, x2, y);
    painter_.restore();
}

void PainterSurface::drawStroke(double x1, double y1, double x2, double y2, double width) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(toQColor(color()), width, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    painter_.restore();
}

void PainterSurface::drawCircle(double centreX, double centreY, double radius, bool filled) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(toQColor(color()), 1.5));
    painter_.setBrush(filled ? toQColor(color()) : QColor(Qt::white));
    painter_.drawEllipse(QPointF(centreX, centreY), radius, radius);
    painter_.restore();
}

void PainterSurface::setScale(double factor, int originY) {
    QTransform scale;
    if (factor != 1.0) scale.translate(0, originY).scale(factor, factor).translate(0, -originY);
    painter_.setTransform(scale * base_);
}

}  // namespace talvoren::ui
