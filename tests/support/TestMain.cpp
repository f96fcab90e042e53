#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

// Tests run headless: the platform is chosen here because the test discovery runs
// this program without the environment that ctest sets.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // Nothing a test does may reach the user's own configuration.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
