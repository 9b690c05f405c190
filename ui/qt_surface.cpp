#include "ui/qt_surface.h"

#include <QFontMetrics>

#include "ui/fonts.h"

namespace talvoren::ui {

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QtSurface::QtSurface(QImage& image) : image_(image), painter_(&image) {
    painter_.setRenderHint(QPainter::TextAntialiasing);
    fontChanged();
    colorChanged();
}

void QtSurface::fontChanged() { painter_.setFont(surfaceQFont(font())); }

void QtSurface::colorChanged() { painter_.setPen(toQColor(color())); }

void QtSurface::drawText(int x, int y, const std::string& text) {
    // The layout places the top of the text; QPainter wants the baseline.
    const int ascent = QFontMetrics(painter_.font()).ascent();
    painter_.drawText(QPoint(x, y + ascent), QString::fromStdString(text));
}

void QtSurface::drawHorizontalLine(int x1, int x2, int y) {
    painter_.save();
    painter_.setPen(QPen(Qt::black, 1));
    painter_.drawLine(x1, y, x2, y);
    painter_.restore();
}

void QtSurface::setScale(double factor, int originY) {
    QTransform t;
    if (factor != 1.0) t.translate(0, originY).scale(factor, factor).translate(0, -originY);
    painter_.setTransform(t);
}

void QtSurface::drawFrame(int left, int top, int right, int bottom, Rgb pen) {
    painter_.save();
    painter_.resetTransform();
    painter_.setPen(QPen(toQColor(pen), 1));
    painter_.setBrush(Qt::NoBrush);
    // The rectangle covers left .. right - 1 and top .. bottom - 1, as the
    // platform's rectangle does; a one-pixel outline of a QRect of width W
    // covers left .. left + W.
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    painter_.restore();
}

void QtSurface::fillWhite() {
    painter_.save();
    painter_.resetTransform();
    painter_.fillRect(image_.rect(), Qt::white);
    painter_.restore();
}

}  // namespace talvoren::ui
