// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the dialog tests: one session of the program's state with a
// recording message sink, a question set built from lines, and answering a
// modal dialog that a call is about to open.

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMouseEvent>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <initializer_list>
#include <functional>
#include <string>
#include <vector>

#include "core/cells.h"
#include "courseware/question_set.h"
#include "courseware/support.h"

namespace talvoren::test {

struct DialogSession {
    RecordingSink sink;
    CoreState core{sink};
    CoursewareState s;

    // Makes the lines the question-set text and builds the unit tables.
    bool load(std::vector<std::string> lines) {
        s.setText(std::move(lines));
        return parseQuestionSet(s, sink);
    }
};

// Lines of a set: "<<" + title, the questions, ">>" for each unit.
inline std::vector<std::string> unitLines(const std::string& title, const std::vector<std::string>& questions,
                                          bool closed = true) {
    std::vector<std::string> lines{"<<" + title};
    lines.insert(lines.end(), questions.begin(), questions.end());
    if (closed) lines.push_back(">>");
    return lines;
}

inline std::vector<std::string> joinUnits(std::initializer_list<std::vector<std::string>> units) {
    std::vector<std::string> lines;
    for (const auto& unit : units) lines.insert(lines.end(), unit.begin(), unit.end());
    return lines;
}

// A press and release of the left button in the middle of the widget.
inline void leftClick(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The texts of a list widget's items, in order.
inline QStringList items(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts.append(list.item(i)->text());
    return texts;
}

// Answers the modal dialog of type T once it is open: polls from the event
// loop, so it works whichever call opens the dialog, and answers once.
template <class T>
class AnswerWhenOpen {
public:
    explicit AnswerWhenOpen(std::function<void(T&)> answer) : answer_(std::move(answer)) {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget());
            if (!dialog) return;
            if (!answered_) {
                answered_ = true;
                answered_at_.start();
                answer_(*dialog);
            } else if (answered_at_.elapsed() > 5000) {
                // The answer did not close the dialog: fail the test instead of hanging it.
                poll_.stop();
                ADD_FAILURE() << "the dialog stayed open after it was answered";
                dialog->reject();
            }
        });
        poll_.start();
    }
    bool answered() const { return answered_; }

private:
    std::function<void(T&)> answer_;
    QTimer poll_;
    QElapsedTimer answered_at_;
    bool answered_ = false;
};

// Runs `open`, which blocks in the dialog's event loop until `answer` closes it.
template <class T>
void whileModal(std::function<void(T&)> answer, const std::function<void()>& open) {
    AnswerWhenOpen<T> answering(std::move(answer));
    open();
}

}  // namespace talvoren::test
