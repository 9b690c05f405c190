// SPDX-License-Identifier: GPL-3.0-or-later
// The widget tests need one application object for the whole run; the
// offscreen platform is used so that no display is needed.
#include <QApplication>

#include <gtest/gtest.h>

#include "ui/application.h"

int main(int argc, char** argv) {
    // Test discovery runs this program without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    talvoren::ui::setUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
