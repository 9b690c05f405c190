// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A surface over any painter: a line image's bitmap, a printer's page, a
// picture. Drawing is in layout pixels; the painter's transform when the
// surface is made maps them onto its device (a printer's resolution, a
// bitmap's pixel density), and the typesetter's own scales go on top.

#include <QPainter>

#include "ui/surface.h"

namespace talvoren::ui {

class PainterSurface : public Surface {
public:
    explicit PainterSurface(QPainter& painter);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    void drawText(int x, int y, const std::string& text) override;
    void drawHorizontalLine(int x1, int x2, int y) override;
    void setScale(double factor, int originY) override;
    void drawStroke(double x1, double y1, double x2, double y2, double width) override;
    void drawCircle(double centreX, double centreY, double radius, bool filled) override;

protected:
    QPainter& painter() { return painter_; }
    // The transform of layout pixels, without the typesetter's scales.
    const QTransform& baseTransform() const { return base_; }

private:
    void fontChanged() override;
    void colorChanged() override;
    void drawMinus(int x, int y);

    QPainter& painter_;
    QTransform base_;
};

QColor toQColor(Rgb c);

}  // namespace talvoren::ui
