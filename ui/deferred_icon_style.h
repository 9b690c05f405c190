// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's style, drawing as its base style does, but never letting
// the toolkit read one of its own pictures by file name alone: read that way,
// the first picture makes the image reader load every image-format plugin,
// with their libraries, to ask whether it knows the file. The frame asks for
// such pictures at start: the page window for its system menu's pictures
// (rarely shown), the menu bar for its overflow button's (hidden), the panel's
// group boxes for their frame. Standard pictures are therefore fetched when
// first drawn or measured, and the ones drawn at start are read by the PNG
// reader directly.

#include <QProxyStyle>

namespace talvoren::ui {

class DeferredIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    bool baseIsFusion() const;
    mutable QPixmap groupBoxFrame_;
};

// Puts DeferredIconStyle over the application's current style.
void installDeferredIconStyle();

}  // namespace talvoren::ui
