// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/line_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace talvoren::ui {

LineImage::LineImage(int number, QWidget* parent) : QWidget(parent), number_(number) {
    setObjectName(QStringLiteral("Image%1").arg(number));
    setMouseTracking(true);
    setImageGeometry(QRect(0, 0, 105, 105));
}

void LineImage::setImageGeometry(const QRect& rect) {
    setGeometry(rect);
    const double ratio = pixelRatio_ > 0 ? pixelRatio_ : devicePixelRatioF();
    image_ = QImage(rect.size() * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
    update();
}

void LineImage::clearWhite() {
    image_.fill(Qt::white);
    update();
}

void LineImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void LineImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onClick) onClick();
}

void LineImage::mouseMoveEvent(QMouseEvent*) {
    if (onMouseMove) onMouseMove();
}

void LineImage::enterEvent(QEnterEvent*) {
    if (onMouseMove) onMouseMove();
}

}  // namespace talvoren::ui
