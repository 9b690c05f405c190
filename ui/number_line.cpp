// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/number_line.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "solving/judge.h"
#include "ui/typesetter.h"

namespace talvoren::ui {

namespace {

// Offsets from the band's top, and the room kept at each end for an arrow.
constexpr int axisOffset = 30;
constexpr int tickHalf = 4;
constexpr int tickLabelOffset = 36;
constexpr int sideRoom = 10;
constexpr int fewestTicks = 7;
constexpr int mostLabels = 10;
constexpr double setWidth = 4.0;
constexpr double circleRadius = 4.5;
constexpr int labelPixels = 12;
constexpr int endLabelPixels = 13;

double valueOf(const Ratio& r) { return static_cast<double>(r.num) / static_cast<double>(r.den); }

// Where a value lies between the band's ends.
struct Scale {
    double left;
    double pitch;
    double origin;  // the value half a tick left of the first tick
    double x(double v) const { return left + (v - origin) * pitch; }
};

void drawArrowHead(Surface& surface, double tipX, double y, int direction) {
    const double back = tipX - direction * 7.0;
    surface.drawStroke(back, y - 5, tipX, y, 2.0);
    surface.drawStroke(back, y + 5, tipX, y, 2.0);
}

// The end's value over the circle, stacked as the answer shows a fraction.
void drawEndLabel(Surface& surface, double x, int top, const Ratio& end) {
    surface.setFont(SurfaceFont{FontHolder::fntNum, endLabelPixels, true});
    const std::string sign = end.num < 0 ? "-" : "";
    const std::string upper = std::to_string(end.num < 0 ? -end.num : end.num);
    const auto width = [](const std::string& text) { return static_cast<int>(text.size()) * 7; };
    if (end.den == 1) {
        surface.drawText(static_cast<int>(x) - width(sign + upper) / 2, top + 4, sign + upper);
        return;
    }
    const std::string lower = std::to_string(end.den);
    const int barWidth = std::max(width(upper), width(lower)) + 2;
    const int barLeft = static_cast<int>(x) - barWidth / 2;
    // Stacked over the circle, the numerator reaching a little into the band above.
    if (!sign.empty()) surface.drawText(barLeft - 10, top - 1, sign);
    surface.drawText(barLeft + (barWidth - width(upper)) / 2, top - 10, upper);
    surface.drawStroke(barLeft, top + 5.5, barLeft + barWidth, top + 5.5, 1.0);
    surface.drawText(barLeft + (barWidth - width(lower)) / 2, top + 6, lower);
}

// The sentence in two rows: the worked-out sides, then the verdict (after
// the last blank), so that it fits the answer box's width.
void drawSentence(Surface& surface, const NumberLineFigure& figure) {
    if (figure.sentence.empty()) return;
    surface.setFont(SurfaceFont{FontHolder::fntKnj, labelPixels, false});
    const std::size_t split = figure.sentence.rfind(' ');
    const int top = figure.top + numberLineBand;
    surface.drawText(figure.left, top, figure.sentence.substr(0, split));
    if (split != std::string::npos)
        surface.drawText(figure.left, top + trialRowHeight, figure.sentence.substr(split + 1));
}

}  // namespace

TickRange tickRange(const NumberLineFigure& figure) {
    double low = 0, high = 0;
    if (figure.set.hasEnd()) low = high = valueOf(figure.set.end);
    if (figure.trial) {
        low = std::min(low, valueOf(*figure.trial));
        high = std::max(high, valueOf(*figure.trial));
    }
    // A tick beyond each value keeps the end and the mark off the edges.
    long long first = static_cast<long long>(std::floor(low)) - 1;
    long long last = static_cast<long long>(std::ceil(high)) + 1;
    while (last - first + 1 < fewestTicks) {
        --first;
        if (last - first + 1 < fewestTicks) ++last;
    }
    const long long labelStep = std::max(1LL, (last - first + mostLabels) / mostLabels);
    return {first, last, labelStep};
}

void drawNumberLineOn(Surface& surface, const NumberLineFigure& figure, int width) {
    const TickRange ticks = tickRange(figure);
    const double left = figure.left + sideRoom, right = width - sideRoom;
    const Scale scale{left, (right - left) / static_cast<double>(ticks.last - ticks.first + 1),
                      static_cast<double>(ticks.first) - 0.5};
    const double axisY = figure.top + axisOffset;
    surface.setColor(black);
    surface.drawStroke(left - sideRoom + 2, axisY, right + sideRoom - 2, axisY, 1.0);
    surface.setFont(SurfaceFont{FontHolder::fntNum, labelPixels, false});
    for (long long v = ticks.first; v <= ticks.last; ++v) {
        const double x = scale.x(static_cast<double>(v));
        surface.drawStroke(x, axisY - tickHalf, x, axisY + tickHalf, 1.0);
        if (v % ticks.labelStep != 0) continue;
        const std::string text = std::to_string(v);
        surface.drawText(static_cast<int>(x) - 3 * static_cast<int>(text.size()), figure.top + tickLabelOffset, text);
    }
    const SolutionSet& set = figure.set;
    if (set.kind == SetKind::none) {
        surface.setFont(SurfaceFont{FontHolder::fntKnjMin, endLabelPixels + 2, false});
        surface.drawText(static_cast<int>(left), figure.top + 2, noSolutionText);
    } else if (set.kind == SetKind::all) {
        surface.drawStroke(left, axisY - 3, right, axisY - 3, setWidth);
        drawArrowHead(surface, right + 4, axisY - 3, 1);
        drawArrowHead(surface, left - 4, axisY - 3, -1);
    } else {
        // The thick set sits just over the axis, so that the ticks under it stay visible.
        const double endX = scale.x(valueOf(set.end));
        const double edge = set.runsLeft() ? left - 4 : right + 4;
        surface.drawStroke(endX, axisY - 3, edge, axisY - 3, setWidth);
        drawArrowHead(surface, edge, axisY - 3, set.runsLeft() ? -1 : 1);
        surface.drawCircle(endX, axisY - 3, circleRadius, set.endIncluded());
        drawEndLabel(surface, endX, figure.top, set.end);
    }
    if (figure.trial) {
        surface.setColor(trialColor);
        const double x = scale.x(valueOf(*figure.trial));
        surface.drawStroke(x, axisY - 12, x, axisY + 6, 2.0);
        surface.drawCircle(x, axisY - 12, 2.5, true);
    }
    drawSentence(surface, figure);
    surface.setColor(black);
}

}  // namespace talvoren::ui
