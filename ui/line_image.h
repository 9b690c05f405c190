// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An image of the worked page: a widget that owns a bitmap and paints it.
// Everything is drawn into the bitmap, which keeps its picture until it is
// cleared or drawn over; the widget only shows it. The bitmap is made white
// when it is first asked for: until then the widget paints white, so that
// a page of empty lines costs no memory. The bitmap has the
// screen's pixel density (zoom included): it holds size × ratio device
// pixels, and painters on it work in the widget's own layout pixels.

#include <QImage>
#include <QWidget>
#include <functional>

namespace talvoren::ui {

class LineImage : public QWidget {
public:
    // number: the line the image shows (16 for the answer image); the
    // widget is named "Image" followed by it.
    LineImage(int number, QWidget* parent);

    int number() const { return number_; }
    QImage& image() { return bitmap(); }
    const QImage& image() const { return bitmap(); }
    // The bitmap takes the widget's new size, white; the old picture goes.
    void setImageGeometry(const QRect& rect);
    // Device pixels per layout pixel of the bitmap; 0 (the default) follows
    // the screen the widget is on. Takes effect at the next setImageGeometry.
    void setPixelRatio(double ratio) { pixelRatio_ = ratio; }
    void clearWhite();
    // Repaints the widget after drawing into the bitmap.
    void refresh() { update(); }

    std::function<void()> onClick;
    std::function<void()> onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    QImage& bitmap() const;

    int number_;
    double pixelRatio_ = 0.0;
    QSize bitmapSize_;          // in layout pixels, as last set
    double bitmapRatio_ = 1.0;  // the ratio the bitmap is (or will be) made with
    mutable QImage image_;      // null until first asked for
};

}  // namespace talvoren::ui
