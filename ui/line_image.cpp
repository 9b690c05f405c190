// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/line_image.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace talvoren::ui {

LineImage::LineImage(int number, QWidget* parent) : QWidget(parent), number_(number) {
    setObjectName(QStringLiteral("Image%1").arg(number));
    setMouseTracking(true);
    setImageGeometry(QRect(0, 0, 105, 105));
}

void LineImage::setImageGeometry(const QRect& rect) {
    setGeometry(rect);
    bitmapSize_ = rect.size();
    bitmapRatio_ = pixelRatio_ > 0 ? pixelRatio_ : devicePixelRatioF();
    image_ = QImage();
    update();
}

QImage& LineImage::bitmap() const {
    if (image_.isNull()) {
        image_ = QImage(bitmapSize_ * bitmapRatio_, QImage::Format_RGB32);
        image_.setDevicePixelRatio(bitmapRatio_);
        image_.fill(Qt::white);
    }
    return image_;
}

void LineImage::clearWhite() {
    if (!image_.isNull()) image_.fill(Qt::white);
    update();
}

void LineImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (image_.isNull())
        painter.fillRect(event->rect(), Qt::white);
    else
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
