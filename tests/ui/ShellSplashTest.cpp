#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "app/dialogs/Form2.h"

using namespace torvane;
using namespace std::chrono_literals;

// The splash stays up for the time it is given, counted from its showing, while the program
// goes on handling its events; then it closes and the start-up continues.
TEST(ShellSplash, StaysUpForItsTimeWithoutBlockingThenGoes) {
    QElapsedTimer sinceShown;
    sinceShown.start();
    Form2 splash;
    splash.Show();
    EXPECT_TRUE(splash.isVisible());
    qint64 doneAt = -1;
    int calls = 0;
    splash.CloseAfter(300ms, [&] {
        ++calls;
        doneAt = sinceShown.elapsed();
        EXPECT_FALSE(splash.isVisible()) << "continued before the splash closed";
    });
    bool otherEventRan = false;
    QTimer::singleShot(10, [&] { otherEventRan = splash.isVisible(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, 5000));
    EXPECT_TRUE(otherEventRan) << "events waited for the splash";
    EXPECT_GE(doneAt, 300);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(splash.isVisible());
}
