#include <gtest/gtest.h>
#include <QCoreApplication>

// The socket needs an event loop and nothing of the window.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
