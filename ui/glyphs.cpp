// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/glyphs.h"

#include <QGuiApplication>
#include <QPainter>

#include "ui/application.h"
#include "ui/fonts.h"

namespace talvoren::ui {

namespace {

constexpr int glyphSize = 25;

// A transparent picture of w × h layout pixels at the screen's pixel
// density (zoom included), so that the pictures stay sharp when zoomed.
QPixmap blankPixmap(int w, int h) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap p(QSize(w, h) * ratio);
    p.setDevicePixelRatio(ratio);
    p.fill(Qt::transparent);
    return p;
}

QPainter& antialiased(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    return painter;
}

void fillShape(QPainter& painter, const QPolygonF& shape, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(shape);
}

// A right-pointing arrow in a circle: go on.
QPixmap arrowGlyph(const QColor& disc, const QColor& arrow) {
    QPixmap p = blankPixmap(glyphSize, glyphSize);
    QPainter painter(&p);
    antialiased(painter);
    painter.setPen(QPen(disc.darker(140), 1));
    painter.setBrush(disc);
    painter.drawEllipse(QRectF(1.5, 1.5, 22, 22));
    fillShape(painter, {{7, 9}, {12, 9}, {12, 5}, {20, 12.5}, {12, 20}, {12, 16}, {7, 16}}, arrow);
    return p;
}

// A green check mark on a white square: carry out the step.
QPixmap checkGlyph(const QColor& mark) {
    QPixmap p = blankPixmap(glyphSize, glyphSize);
    QPainter painter(&p);
    antialiased(painter);
    painter.setPen(QPen(QColor(96, 96, 96), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(2.5, 2.5, 20, 20), 3, 3);
    painter.setPen(QPen(mark, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(6.5, 12.5), QPointF(10.5, 17), QPointF(18.5, 7)}));
    return p;
}

}  // namespace

QPixmap operationGlyph(OperationSign sign) {
    QPixmap p = blankPixmap(glyphSize, glyphSize);
    QPainter painter(&p);
    antialiased(painter);
    painter.setPen(QPen(QColor(0, 0, 160), 3, Qt::SolidLine, Qt::RoundCap));
    switch (sign) {
    case OperationSign::multiply:
        painter.drawLine(QPointF(6.5, 6.5), QPointF(18.5, 18.5));
        painter.drawLine(QPointF(18.5, 6.5), QPointF(6.5, 18.5));
        break;
    case OperationSign::divide:
        painter.drawLine(QPointF(5, 12.5), QPointF(20, 12.5));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 160));
        painter.drawEllipse(QPointF(12.5, 6.5), 2.2, 2.2);
        painter.drawEllipse(QPointF(12.5, 18.5), 2.2, 2.2);
        break;
    case OperationSign::add:
        painter.drawLine(QPointF(5, 12.5), QPointF(20, 12.5));
        painter.drawLine(QPointF(12.5, 5), QPointF(12.5, 20));
        break;
    case OperationSign::subtract:
        painter.drawLine(QPointF(5, 12.5), QPointF(20, 12.5));
        break;
    }
    return p;
}

QIcon jikkouIcon() {
    QIcon icon;
    icon.addPixmap(checkGlyph(QColor(0, 150, 0)), QIcon::Normal);
    icon.addPixmap(checkGlyph(QColor(170, 170, 170)), QIcon::Disabled);
    return icon;
}

QPixmap teiseiGlyph() {
    // An arrow turning back: take the step back.
    QPixmap p = blankPixmap(glyphSize, glyphSize);
    QPainter painter(&p);
    antialiased(painter);
    const QColor colour(200, 40, 40);
    painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(5, 5, 15, 15), 90 * 16, -250 * 16);
    fillShape(painter, {{5, 6}, {13.5, 1.5}, {13.5, 10.5}}, colour);  // the arrow's head
    return p;
}

QPixmap hintGlyph() {
    QPixmap p = blankPixmap(glyphSize, glyphSize);
    QPainter painter(&p);
    antialiased(painter);
    painter.setPen(QPen(QColor(200, 140, 0), 1));
    painter.setBrush(QColor(255, 220, 40));
    painter.drawEllipse(QRectF(5.5, 2.5, 14, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 110, 110));
    painter.drawRect(QRectF(9, 16, 7, 5));  // the base
    painter.setBrush(QColor(70, 70, 70));
    painter.drawRect(QRectF(10, 21, 5, 2));
    return p;
}

QPixmap nextGlyphQ() { return arrowGlyph(QColor(0, 120, 215), Qt::white); }

QPixmap nextGlyphR() { return arrowGlyph(QColor(255, 200, 0), QColor(200, 0, 0)); }

QPixmap greetingPicture() {
    QPixmap p = blankPixmap(183, 153);
    p.fill(QColor(0, 192, 192));
    QPainter painter(&p);
    antialiased(painter);
    painter.setPen(Qt::white);
    // Only the faces and styles the first page draws with, so that the
    // greeting opens no font file of its own.
    painter.setFont(pixelFont(faceBookman, 30, false, true));
    painter.drawText(QRect(0, 16, 183, 40), Qt::AlignCenter, QStringLiteral("2x+1<5"));
    painter.setFont(pixelFont(faceBookman, 19, false, true));
    painter.drawText(QRect(0, 62, 183, 28), Qt::AlignCenter, applicationTitle);
    painter.setFont(pixelFont(faceGothic, 16));
    painter.drawText(QRect(0, 100, 183, 40), Qt::AlignCenter, QStringLiteral("不等式の練習"));
    return p;
}

QPixmap programIcon(int size) {
    // The desktop's picture of the program: a white ≦ on a teal square,
    // drawn in strokes (no font and no picture file to read at start).
    QPixmap p = blankPixmap(size, size);
    QPainter painter(&p);
    antialiased(painter);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 160, 160));
    painter.drawRoundedRect(QRectF(0, 0, 64, 64), 64 / 6.0, 64 / 6.0);
    painter.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.drawPolyline(QPolygonF({QPointF(46, 14), QPointF(18, 27), QPointF(46, 40)}));
    painter.drawLine(QPointF(18, 49), QPointF(46, 49));
    return p;
}

}  // namespace talvoren::ui
