// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The faces the windows ask for by their original names, and the fonts of
// the three font holders. The original faces are mapped at start to the free
// faces installed beside the program, so that every caller can keep asking
// for "ＭＳ ゴシック" and get a Japanese face rather than a Latin fallback.

#include <QFont>
#include <QString>

#include "ui/surface.h"

namespace talvoren::ui {

inline const QString faceBookman = QStringLiteral("Bookman Old Style");
inline const QString faceMincho = QStringLiteral("ＭＳ 明朝");
inline const QString faceGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString facePGothic = QStringLiteral("ＭＳ Ｐゴシック");

// QFont::insertSubstitution for the four faces; call once at start.
void installFontSubstitutions();

// A font of the given face and pixel size.
QFont pixelFont(const QString& face, int pixelSize, bool bold = false, bool italic = false);
QString holderFace(FontHolder holder);
// The font a surface draws with.
QFont surfaceQFont(const SurfaceFont& font);

}  // namespace talvoren::ui
