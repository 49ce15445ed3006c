#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/look.h"

// The adapter's tests run real widgets, so they need an application; off screen unless the
// caller chose a display (test discovery runs without the tests' environment).
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    quorvin::ui::qt::useQuorvinLook(app);
    return RUN_ALL_TESTS();
}
