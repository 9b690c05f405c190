// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A line of the worked page as content: its caption, the typeset expression
// and its circled label. The page draws it into a line image; the same
// drawing goes onto any painter (a printer's, a picture's) at any scale,
// as vector text rather than a stretched bitmap.
//
// To print a line on a printer's painter, filling a given width:
//     LineDrawing d;  d.caption = ...; d.line = ...; d.typeset = true; d.label = "①";
//     paintLineDrawing(painter, QRectF(left, top, width, 0), pageLineLayout, d);
// The height follows from the layout's proportions (lineDrawingHeight).

#include <QRectF>
#include <QSize>
#include <optional>
#include <string>

#include "core/cells.h"
#include "ui/number_line.h"
#include "ui/typesetter.h"

class QPainter;

namespace talvoren::ui {

class Surface;

// Height of a page line image in layout pixels.
inline constexpr int lineDrawingLayoutHeight = 75;
// The answer's own band at the top of the answer image; the number line
// lies under it.
inline constexpr int answerBandHeight = lineDrawingLayoutHeight + 1;
// The label's left edge lies this far left of the image's right edge.
inline constexpr int labelColumnWidth = 32;

struct LineDrawing {
    explicit LineDrawing(int n = 1) : number(n) {}

    int number = 1;              // the line (16: the answer image, 【答】 first, no label)
    std::string caption;         // top-left, in the caption font
    bool typeset = false;        // whether `line` is drawn
    TypesetMode mode = TypesetMode::full;
    ExprLine line;
    TypesetFlags flags;          // decimal point and red relation; shrink is worked out
    char unknownLetter = 'x';    // the letter the typesetter starts from
    std::string label;           // the circled label at the right edge; "" for none
    std::string plainText;       // a plain text instead (the answer image's messages)
    std::optional<NumberLineFigure> numberLine;  // the answer's set, under the answer
    double minimumScale = 0.0;   // the line is never shrunk below this (legibility)
};

// The room a line may take in an image of the given layout width: the
// label's column stays clear.
int lineRoom(int number, int imageWidth);
// How far right the typeset line reaches, in layout pixels, by the real
// widths of its glyphs (small type included).
double typesetRightEdge(int number, TypesetMode mode, const ExprLine& line, TypesetFlags flags, char unknownLetter);
// The shrink that makes a line reaching rightEdge fit into room (1: none).
double shrinkToFit(double rightEdge, int room);

// How a long line is made to fit its room, in this order: its spacing
// closes up, then it shrinks, but never below the smallest legible scale;
// what still does not fit needs a wider image (the page scrolls sideways).
struct LineFit {
    bool closeSpacing = false;
    double scale = 1.0;
    friend bool operator==(const LineFit&, const LineFit&) = default;
};
// natural and closed: how far right the line reaches with its own spacing
// and with closed-up spacing, at full size.
LineFit chooseLineFit(double natural, double closed, double room, double minimumScale);
// The fit of line in an image of the given layout width.
LineFit fitLine(int number, const ExprLine& line, TypesetFlags flags, char unknownLetter, int imageWidth,
                double minimumScale);
// The smallest scale of the number font at which every digit, sign and bar
// stays legible, for a bitmap of this many device pixels per layout pixel.
double legibleScale(double devicePixelRatio);
// The image width (layout pixels) line needs at the legible minimum: more
// than imageWidth when the line cannot be made to fit it.
int legibleImageWidth(int number, const ExprLine& line, TypesetFlags flags, char unknownLetter, int imageWidth,
                      double minimumScale);

// The steps of drawing a line, each onto a surface in layout pixels.
void drawCaptionOn(Surface& surface, const std::string& caption);
// Typesets fitted to the image's width (spacing closed up, then shrunk, not
// below minimumScale); true when it fitted the layout's 30 columns (the
// worksheet's test for a second drawing, which comes out the same).
bool typesetOn(Surface& surface, int number, TypesetMode mode, const ExprLine& line, TypesetFlags flags,
               char unknownLetter, int imageWidth, double minimumScale = 0.0);
void drawLabelOn(Surface& surface, int imageWidth, const std::string& label);
void drawPlainTextOn(Surface& surface, int imageHeight, const std::string& text);

// Draws the line as an image of layoutSize shows it, scaled so that the
// layout's width fills target's width (the height follows, whatever
// target's height), onto any painter. Nothing is filled: the page stays as
// it is around the glyphs.
void paintLineDrawing(QPainter& painter, const QRectF& target, QSize layoutSize, const LineDrawing& drawing);
// The height a drawing of the layout takes at the width.
double lineDrawingHeight(double width, QSize layoutSize);

}  // namespace talvoren::ui
