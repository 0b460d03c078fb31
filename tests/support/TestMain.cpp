#include <gtest/gtest.h>

#include <QApplication>

// Every test binary runs with a QApplication, on the offscreen platform unless
// the caller chose one (a test that needs a real X server sets its own).
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
