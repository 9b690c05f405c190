#pragma once
// An image of the worked page: a widget that owns a bitmap and paints it.
// Everything is drawn into the bitmap, which keeps its picture until it is
// cleared or drawn over; the widget only shows it.

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
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // The bitmap takes the widget's new size, white; the old picture goes.
    void setImageGeometry(const QRect& rect);
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
    int number_;
    QImage image_;
};

}  // namespace talvoren::ui
