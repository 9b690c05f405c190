// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The surface of a line image: draws into the image's QImage, in layout
// pixels whatever the image's pixel density.

#include <QImage>
#include <QPainter>

#include "ui/painter_surface.h"

namespace talvoren::ui {

namespace detail {
// Holds the image's painter, so that it is begun before the surface takes it.
struct ImagePainter {
    explicit ImagePainter(QImage& image) : imagePainter(&image) {}
    QPainter imagePainter;
};
}  // namespace detail

class QtSurface : private detail::ImagePainter, public PainterSurface {
public:
    explicit QtSurface(QImage& image);

    // Pen-drawn rectangle outline and a white fill, for hover frames and clearing.
    void drawFrame(int left, int top, int right, int bottom, Rgb pen);
    void fillWhite();

private:
    QImage& image_;
};

}  // namespace talvoren::ui
