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

    // The texts drawn, joined in drawing order ("2x+1＜5").
    std::string joinedText() const {
        std::string all;
        for (const DrawnText& t : texts) all += t.text;
        return all;
    }

    std::vector<DrawnText> texts;
    std::vector<DrawnBar> bars;
    std::vector<std::pair<double, int>> scalesSet;  // factor, origin y
};

}  // namespace talvoren::ui
