// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_surface.h"

namespace talvoren::ui {

namespace {

// The image's rectangle in layout pixels.
QRect layoutRect(const QImage& image) { return QRect(QPoint(0, 0), image.deviceIndependentSize().toSize()); }

}  // namespace

QtSurface::QtSurface(QImage& image) : ImagePainter(image), PainterSurface(imagePainter), image_(image) {}

void QtSurface::drawFrame(int left, int top, int right, int bottom, Rgb pen) {
    QPainter& p = painter();
    p.save();
    p.setTransform(baseTransform());
    p.setPen(QPen(toQColor(pen), 1));
    p.setBrush(Qt::NoBrush);
    // The rectangle covers left .. right - 1 and top .. bottom - 1, as the
    // platform's rectangle does; a one-pixel outline of a QRect of width W
    // covers left .. left + W.
    p.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    p.restore();
}

void QtSurface::fillWhite() {
    QPainter& p = painter();
    p.save();
    p.setTransform(baseTransform());
    p.fillRect(layoutRect(image_), Qt::white);
    p.restore();
}

}  // namespace talvoren::ui
