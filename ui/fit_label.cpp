// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fit_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace talvoren::ui {

namespace {

// Pixels kept free at each side, and the smallest size a text shrinks to.
constexpr int sidePadding = 2;
constexpr int smallestPixels = 9;

}  // namespace

QFont FitLabel::fittedFont() const {
    QFont fitted = font();
    const double room = contentsRect().width() - 2 * sidePadding;
    const double wide = QFontMetricsF(fitted).horizontalAdvance(text());
    if (wide <= room || wide <= 0 || fitted.pixelSize() <= 0) return fitted;
    const int size = int(std::floor(fitted.pixelSize() * room / wide));
    fitted.setPixelSize(std::max(smallestPixels, size));
    return fitted;
}

void FitLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(fittedFont());
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect().adjusted(sidePadding, 0, -sidePadding, 0);
    painter.drawText(area, int(alignment()), text());
}

}  // namespace talvoren::ui
