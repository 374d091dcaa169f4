#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

#include "app/window/Application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    torvane::PrepareEnvironment();
    // Choices a test makes are kept in a folder of this run's own, never the user's, and never
    // seen by a test running beside it.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    torvane::SetUpApplication(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
