// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A surface that keeps a list of what was drawn on it, so that the layout
// can be checked position by position without pixels.

#include <string>
#include <utility>
#include <vector>

#include "ui/surface.h"

namespace talvoren::ui {

struct DrawnText {
    int x = 0, y = 0;
    std::string text;
    SurfaceFont font;
    Rgb color;
};

struct DrawnStroke {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0, width = 0;
    Rgb color;
    friend bool operator==(const DrawnStroke&, const DrawnStroke&) = default;
};

struct DrawnCircle {
    double x = 0, y = 0, radius = 0;
    bool filled = false;
    Rgb color;
    friend bool operator==(const DrawnCircle&, const DrawnCircle&) = default;
};

struct DrawnBar {
    int x1 = 0, x2 = 0, y = 0;
    friend bool operator==(const DrawnBar&, const DrawnBar&) = default;
};

class RecordingSurface : public Surface {
public:
    void drawText(int x, int y, const std::string& text) override {
        texts.push_back({x, y, text, font(), color()});
    }
    void drawHorizontalLine(int x1, int x2, int y) override { bars.push_back({x1, x2, y}); }
    void setScale(double factor, int originY) override { scalesSet.push_back({factor, originY}); }
    void drawStroke(double x1, double y1, double x2, double y2, double width) override {
        strokes.push_back({x1, y1, x2, y2, width, color()});
    }
    void drawCircle(double x, double y, double radius, bool filled) override {
        circles.push_back({x, y, radius, filled, color()});
    }

    // The texts drawn, joined in drawing order ("2x+1＜5").
    std::string joinedText() const {
        std::string all;
        for (const DrawnText& t : texts) all += t.text;
        return all;
    }

    std::vector<DrawnText> texts;
    std::vector<DrawnBar> bars;
    std::vector<DrawnStroke> strokes;
    std::vector<DrawnCircle> circles;
    std::vector<std::pair<double, int>> scalesSet;  // factor, origin y
};

}  // namespace talvoren::ui
