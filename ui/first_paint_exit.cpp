// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/first_paint_exit.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QEvent>
#include <QWidget>

namespace talvoren::ui {

namespace {

class FirstPaintExit : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the painted picture is flushed to the window system
            // before the loop gets to it; the round trip then makes sure the
            // window system has it.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    QGuiApplication::sync();
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

bool exitAfterFirstPaintWhenAsked(QWidget& widget) {
    if (!qEnvironmentVariableIsSet(exitAfterFirstPaintVariable)) return false;
    widget.installEventFilter(new FirstPaintExit(&widget));
    return true;
}

}  // namespace talvoren::ui
