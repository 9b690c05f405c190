// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface the typesetter and the page draw on: a line image's
// bitmap in the program, a recording of the operations in tests.
//
// Coordinates are pixels of the bitmap, origin at its top-left corner. Text
// is placed by the top of its line box (the convention of the line layout);
// a surface that draws real glyphs converts that to its own baseline.

#include <cstdint>
#include <string>

namespace talvoren::ui {

// The three font holders of the main frame.
enum class FontHolder {
    fntNum,     // "Bookman Old Style", 19 pixels, italic: numbers, signs, letters
    fntKnjMin,  // "ＭＳ 明朝", 19 pixels: relation signs and 【答】
    fntKnj,     // "ＭＳ ゴシック", 16 pixels: captions and line labels
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb white{255, 255, 255};

// A font as put on a surface: a holder's face, its size (or another one) and
// whether it is italic.
struct SurfaceFont {
    FontHolder holder = FontHolder::fntNum;
    int pixelSize = 0;  // 0: the holder's own
    bool italic = false;
    friend bool operator==(const SurfaceFont&, const SurfaceFont&) = default;
};

int holderPixelSize(FontHolder holder);
bool holderItalic(FontHolder holder);
// The font a holder copies onto a surface: face, size and style.
SurfaceFont holderFont(FontHolder holder);
// Point size at 96 dots per inch, rounded as the platform rounds it:
// 19 pixels are 14 points, 16 pixels 12.
int pointSizeOf(int pixelSize);

class Surface {
public:
    virtual ~Surface() = default;

    // Copies a holder's whole font, its black colour included.
    void setFont(FontHolder holder);
    // Takes a face, size and style and keeps the colour.
    void setFont(const SurfaceFont& font);
    const SurfaceFont& font() const { return font_; }
    // S of the layout: the point size of the font on the surface.
    int pointSize() const;
    // Texts in the Bookman face are placed one character at a time.
    bool bookmanFace() const { return font_.holder == FontHolder::fntNum; }

    void setColor(Rgb color);
    Rgb color() const { return color_; }

    // Text with the top of its line at y, in the current font and colour.
    virtual void drawText(int x, int y, const std::string& text) = 0;
    // A one-pixel black line from (x1, y) to (x2, y).
    virtual void drawHorizontalLine(int x1, int x2, int y) = 0;
    // Later drawing is scaled by factor about the point (0, originY); 1 undoes it.
    virtual void setScale(double factor, int originY) = 0;
    // The number line's shapes, in the current colour: a straight stroke of
    // the given width with flat ends, and a circle, filled or a one-pixel
    // outline around white.
    virtual void drawStroke(double x1, double y1, double x2, double y2, double width) = 0;
    virtual void drawCircle(double centreX, double centreY, double radius, bool filled) = 0;

protected:
    virtual void fontChanged() {}
    virtual void colorChanged() {}

private:
    SurfaceFont font_ = holderFont(FontHolder::fntNum);
    Rgb color_ = black;
};

}  // namespace talvoren::ui
