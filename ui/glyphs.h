// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the program, drawn by the program itself: the operation
// buttons' signs, the execute, correction and next-question glyphs, the two
// pictures the blinking next button alternates, the greeting picture and
// the program icon.

#include <QIcon>
#include <QPixmap>

namespace talvoren::ui {

enum class OperationSign { multiply, divide, add, subtract };

QPixmap operationGlyph(OperationSign sign);  // 25 × 25
// 実行: a normal and a disabled picture, as the button's two glyphs.
QIcon jikkouIcon();
QPixmap teiseiGlyph();
// ヒント: a lit bulb.
QPixmap hintGlyph();
// imgNextQ and imgNextR, 25 × 25: the next button's picture and its blink.
QPixmap nextGlyphQ();
QPixmap nextGlyphR();
QPixmap greetingPicture();  // 183 × 153
QPixmap programIcon(int size);

}  // namespace talvoren::ui
