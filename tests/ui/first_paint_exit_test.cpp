// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's hook: with its environment variable the message
// loop ends after the watched widget's first paint; without it nothing is
// watched.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "ui/first_paint_exit.h"

namespace talvoren::ui {
namespace {

// Sets or clears the variable for one test and puts it back afterwards.
class Variable {
public:
    explicit Variable(bool set) : was_(qEnvironmentVariableIsSet(exitAfterFirstPaintVariable)) {
        set ? qputenv(exitAfterFirstPaintVariable, "1") : qunsetenv(exitAfterFirstPaintVariable);
    }
    ~Variable() { was_ ? qputenv(exitAfterFirstPaintVariable, "1") : qunsetenv(exitAfterFirstPaintVariable); }

private:
    bool was_;
};

constexpr int timedOut = 7;

int runLoopAtMost(int milliseconds) {
    QTimer::singleShot(milliseconds, qApp, [] { QCoreApplication::exit(timedOut); });
    return QApplication::exec();
}

TEST(FirstPaintExit, TheLoopEndsAfterTheFirstPaintWhenAsked) {
    Variable variable(true);
    QWidget window;
    auto* watched = new QWidget(&window);
    watched->setGeometry(10, 10, 50, 20);
    ASSERT_TRUE(exitAfterFirstPaintWhenAsked(*watched));
    window.show();
    EXPECT_EQ(runLoopAtMost(5000), 0);
}

TEST(FirstPaintExit, NothingIsWatchedWithoutTheVariable) {
    Variable variable(false);
    QWidget window;
    EXPECT_FALSE(exitAfterFirstPaintWhenAsked(window));
    window.show();
    EXPECT_EQ(runLoopAtMost(200), timedOut);
}

}  // namespace
}  // namespace talvoren::ui
