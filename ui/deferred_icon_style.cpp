// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/deferred_icon_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

namespace talvoren::ui {

namespace {

// Stands for the base style's picture and fetches it at the first question
// about its pixels or sizes.
class DeferredIconEngine : public QIconEngine {
public:
    // QPointer keeps no const object.
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(const_cast<QStyle*>(style)), which_(which), widget_(const_cast<QWidget*>(widget)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon() {
        if (!fetched_) {
            if (style_) icon_ = style_->standardIcon(which_, nullptr, widget_);
            fetched_ = true;
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<QWidget> widget_;
    QIcon icon_;
    bool fetched_ = false;
};

// The reader asks every plugin first, even with the format named, unless it
// is told not to guess.
QPixmap readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

bool DeferredIconStyle::baseIsFusion() const {
    return baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
    // A window without a picture of its own draws this one when it is made:
    // the two pictures the base style gives, the larger read as PNG.
    if (standardIcon == SP_TitleBarMenuButton && !option && baseIsFusion()) {
        QIcon menu(baseStyle()->standardPixmap(SP_TitleBarMenuButton, nullptr, widget));
        menu.addPixmap(readPng(QStringLiteral(":/qt-project.org/qmessagebox/images/qtlogo-64.png")));
        return menu;
    }
    // An option is not kept (it may be a part of the caller's): asked at once.
    if (option) return QProxyStyle::standardIcon(standardIcon, option, widget);
    return QIcon(new DeferredIconEngine(baseStyle(), standardIcon, widget));
}

void DeferredIconStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !baseIsFusion())
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    // The base style's group box frame: a picture stretched over the box
    // below its title line (a box with neither title nor check box has none).
    if (groupBoxFrame_.isNull())
        groupBoxFrame_ = readPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    constexpr int topGap = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int top = box && !box->isCheckable() && box->title().isEmpty()
                        ? topGap
                        : qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                              topGap;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), groupBoxFrame_);
}

void installDeferredIconStyle() {
    // The proxy takes the current style over (the application deletes only
    // styles it owns itself).
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
}

}  // namespace talvoren::ui
