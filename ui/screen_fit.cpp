// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_fit.h"

#include <QScrollArea>
#include <QWidget>
#include <vector>

namespace talvoren::ui {

namespace {

constexpr int bottomStrip = 28;
constexpr int titleBar = 30;

}  // namespace

QSize windowRoom(QSize screen) { return QSize(screen.width(), screen.height() - bottomStrip - titleBar); }

void fitDialogToRoom(QWidget& dialog, QSize room) {
    const QSize full = dialog.size();
    if (full.width() <= room.width() && full.height() <= room.height()) return;
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("fittedContent"));
    std::vector<QWidget*> shown;
    for (QObject* child : dialog.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow()) continue;
        if (!widget->isHidden()) shown.push_back(widget);
        const QRect geometry = widget->geometry();
        widget->setParent(content);
        widget->setGeometry(geometry);
    }
    for (QWidget* widget : shown) widget->show();
    content->setFixedSize(full);

    auto* scroll = new QScrollArea(&dialog);
    scroll->setObjectName(QStringLiteral("fittedScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    const QSize fitted = full.boundedTo(room);
    dialog.setFixedSize(fitted);
    scroll->setGeometry(QRect(QPoint(0, 0), fitted));
}

void boundWindowToRoom(QWidget& window, QSize room) { window.resize(window.size().boundedTo(room)); }

}  // namespace talvoren::ui
