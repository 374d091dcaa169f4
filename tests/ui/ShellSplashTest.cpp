#include <gtest/gtest.h>
#include <QTimer>

#include "app/dialogs/Form2.h"

using namespace torvane;
using namespace std::chrono_literals;

namespace {

// The splash with a clock the test sets by hand; its timer is fired by the test, as the event
// loop would fire it once the interval has passed.
struct TimedSplash {
    std::chrono::milliseconds now{1000};
    Form2 splash{[this] { return now; }};
    QTimer* timer() { return splash.findChild<QTimer*>(); }
    void Fire() { QMetaObject::invokeMethod(timer(), "timeout", Qt::DirectConnection); }
};

}  // namespace

// The splash stays up for the time it is given, counted from its showing, while the program
// goes on handling its events; a timer that wakes early waits for the rest; then the splash
// closes and the start-up continues, once.
TEST(ShellSplash, StaysUpForItsTimeWithoutBlockingThenGoes) {
    TimedSplash t;
    t.splash.Show();
    EXPECT_TRUE(t.splash.isVisible());
    t.now += 100ms;
    int calls = 0;
    t.splash.CloseAfter(300ms, [&] {
        ++calls;
        EXPECT_FALSE(t.splash.isVisible()) << "continued before the splash closed";
    });
    EXPECT_EQ(calls, 0) << "the splash blocked until its time was up";
    ASSERT_TRUE(t.timer());
    EXPECT_TRUE(t.timer()->isActive());
    EXPECT_EQ(t.timer()->interval(), 200);

    t.now += 150ms;  // the timer wakes 50 ms before the splash's time is up
    t.Fire();
    EXPECT_TRUE(t.splash.isVisible()) << "closed 50 ms early";
    EXPECT_EQ(t.timer()->interval(), 50);
    EXPECT_EQ(calls, 0);

    t.now += 50ms;
    t.Fire();
    EXPECT_FALSE(t.splash.isVisible());
    EXPECT_EQ(calls, 1);
}

// A start-up that took longer than the splash's time closes it at once.
TEST(ShellSplash, ATimeAlreadyPastClosesAtOnce) {
    TimedSplash t;
    t.splash.Show();
    t.now += 5s;
    int calls = 0;
    t.splash.CloseAfter(300ms, [&] { ++calls; });
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(t.splash.isVisible());
}
