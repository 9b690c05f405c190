// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/surface.h"

namespace talvoren::ui {

int holderPixelSize(FontHolder holder) { return holder == FontHolder::fntKnj ? 16 : 19; }

bool holderItalic(FontHolder holder) { return holder == FontHolder::fntNum; }

SurfaceFont holderFont(FontHolder holder) {
    return SurfaceFont{holder, holderPixelSize(holder), holderItalic(holder)};
}

int pointSizeOf(int pixelSize) { return (pixelSize * 72 + 48) / 96; }

void Surface::setFont(FontHolder holder) {
    setFont(holderFont(holder));
    setColor(black);
}

void Surface::setFont(const SurfaceFont& font) {
    font_ = font;
    if (font_.pixelSize == 0) font_.pixelSize = holderPixelSize(font_.holder);
    fontChanged();
}

int Surface::pointSize() const { return pointSizeOf(font_.pixelSize); }

void Surface::setColor(Rgb color) {
    color_ = color;
    colorChanged();
}

}  // namespace talvoren::ui
