#include <gtest/gtest.h>

#include "game/ContactTicker.h"

using namespace torvane;

TEST(ContactTicker, StepsRestsAtTwoHundredSixtyAndWraps) {
    ContactTicker t;
    for (int i = 0; i < 26; ++i) t.Tick();
    EXPECT_EQ(t.top(), 260);
    for (int i = 0; i < 99; ++i) t.Tick();
    EXPECT_EQ(t.top(), 260);
    t.Tick();
    EXPECT_EQ(t.top(), 270);
    while (t.top() <= 1695) t.Tick();
    EXPECT_EQ(t.top(), 1700);
    t.Tick();
    EXPECT_EQ(t.top(), 0);
}

// Sleeping through the ticks in which nothing visible moves must land on exactly the same
// positions as ticking every 10 ms.
TEST(ContactTicker, SkippingInvisibleTicksKeepsTheSameMotion) {
    ContactTicker every, skipping;
    int ticks = 0, wakes = 0;
    while (ticks < 5000) {
        int n = skipping.TicksUntilMove([](int top) { return (top + 7) / 15; }, 1000);
        ASSERT_GE(n, 1);
        for (int i = 0; i < n; ++i) skipping.Tick();
        for (int i = 0; i < n; ++i) every.Tick();
        ticks += n;
        ++wakes;
        ASSERT_EQ(skipping.top(), every.top()) << ticks;
    }
    EXPECT_LT(wakes, ticks * 3 / 4);
}
