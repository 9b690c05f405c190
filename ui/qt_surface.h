#pragma once
// The surface of a line image: draws into the image's QImage.

#include <QImage>
#include <QPainter>

#include "ui/surface.h"

namespace talvoren::ui {

class QtSurface : public Surface {
public:
    explicit QtSurface(QImage& image);

    void drawText(int x, int y, const std::string& text) override;
    void drawHorizontalLine(int x1, int x2, int y) override;
    void setScale(double factor, int originY) override;

    // Pen-drawn rectangle outline and a white fill, for hover frames and clearing.
    void drawFrame(int left, int top, int right, int bottom, Rgb pen);
    void fillWhite();

private:
    void fontChanged() override;
    void colorChanged() override;

    QImage& image_;
    QPainter painter_;
};

QColor toQColor(Rgb c);

}  // namespace talvoren::ui
