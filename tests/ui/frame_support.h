// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the frame tests: the whole program's frame in a scratch working
// directory holding a question set, with a recording message sink and no
// dialogs, and the keys and mouse moves a pupil makes.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>
#include <string>
#include <vector>

#include "courseware/support.h"
#include "ui/frm_main.h"
#include "frame_inside.h"

namespace talvoren::test {

// Writes the lines as Question.ine (code page 932, CR LF).
inline void writeQuestionSet(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += cp932(line) + "\r\n";
    writeBytes(path, bytes);
}

class FrameSession {
public:
    // One unit "テスト" of the given questions; no file at all when empty.
    explicit FrameSession(const std::vector<std::string>& questions, QSize screen = QSize(1024, 768),
                          std::unique_ptr<ui::Dialogs> dialogs = std::make_unique<ui::Dialogs>()) {
        if (!questions.empty()) {
            std::vector<std::string> lines{"<<テスト"};
            lines.insert(lines.end(), questions.begin(), questions.end());
            lines.push_back(">>");
            writeQuestionSet(dir.file("Question.ine"), lines);
        }
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir.dir()));
        ui::FrameOptions options;
        options.screen = screen;
        options.messages = &sink;
        options.dialogs = std::move(dialogs);
        frame = std::make_unique<ui::TfrmMain>(std::move(options));
        frame->show();
        frame->activateWindow();
        QApplication::processEvents();
    }
    ~FrameSession() {
        frame.reset();
        QDir::setCurrent(previousDir_);
    }

    Worksheet& ws() { return FrameInside::worksheet(*frame); }

    ScratchDir dir;
    RecordingSink sink;
    std::unique_ptr<ui::TfrmMain> frame;

private:
    QString previousDir_;
};

// A menu entry of the frame by its name, as a pupil finds it in the menu.
inline QAction* menuEntry(const ui::TfrmMain& frame, const char* name) {
    return frame.findChild<QAction*>(QString::fromLatin1(name));
}

// A key press as the window system delivers it: to the focus widget first.
inline void pressKey(ui::TfrmMain& frame, int key, const QString& text = QString(),
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = frame.focusWidget() ? frame.focusWidget() : &frame;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

inline void typeChar(ui::TfrmMain& frame, char c) {
    const QChar ch = QChar::fromLatin1(c);
    pressKey(frame, ch.toUpper().unicode(), QString(ch));
}

inline void mouseMoveOver(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

inline int countPixels(const QImage& image, bool (*test)(QColor)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(image.pixelColor(x, y));
    return n;
}

inline bool inked(QColor c) { return c.lightness() < 128; }
inline bool reddish(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }

}  // namespace talvoren::test
