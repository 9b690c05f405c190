// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waits, inside a benchmark, until a widget has been painted and its window
// flushed: the toolkit paints and flushes a window in one go when it
// handles the window's update request, so the first paint event seen means
// the picture has gone to the platform (the offscreen screen, or the X
// server, with which sync() then makes a round trip).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace talvoren::bench {

class PaintWait : public QObject {
public:
    explicit PaintWait(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintWait() override { widget_->removeEventFilter(this); }

    // Runs the event loop until the next paint of the widget; false after
    // two seconds without one.
    bool wait() {
        painted_ = false;
        QElapsedTimer timer;
        timer.start();
        while (!painted_ && timer.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents);
        QGuiApplication::sync();
        return painted_;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint) painted_ = true;
        return false;
    }

private:
    QWidget* widget_;
    bool painted_ = false;
};

}  // namespace talvoren::bench
