// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

namespace talvoren::ui {

void installFontSubstitutions() {
    QFont::insertSubstitution(faceBookman, QStringLiteral("URW Bookman"));
    QFont::insertSubstitution(faceMincho, QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(faceGothic, QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(facePGothic, QStringLiteral("IPAPGothic"));
}

QFont pixelFont(const QString& face, int pixelSize, bool bold, bool italic) {
    // Asked by the installed face's own name: the toolkit would first look
    // the original name up in vain and have fontconfig sort every face as
    // a fallback for it, the most costly font work at start.
    QFont font(QFont::substitute(face));
    font.setPixelSize(pixelSize);
    // Drawn unhinted: light hinting would have FreeType's auto-hinter load
    // some thirty reference glyphs scattered through each Japanese face
    // (about 2 MB of font file per face) to find its blue zones, and the
    // antialiased outlines need no grid fitting.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QString holderFace(FontHolder holder) {
    switch (holder) {
    case FontHolder::fntNum: return faceBookman;
    case FontHolder::fntKnjMin: return faceMincho;
    case FontHolder::fntKnj: return faceGothic;
    }
    return faceGothic;
}

QFont surfaceQFont(const SurfaceFont& font) {
    return pixelFont(holderFace(font.holder), font.pixelSize ? font.pixelSize : holderPixelSize(font.holder),
                     false, font.italic);
}

}  // namespace talvoren::ui
