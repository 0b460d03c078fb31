#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

// Every test binary runs with a QApplication, on the offscreen platform unless
// the caller chose one (a test that needs a real X server sets its own). The
// standard folders point into a test area, so that nothing a test does can
// reach the user's own configuration; a test that needs a settings folder
// makes its own.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
