#include "game/ContactTicker.h"

namespace torvane {

namespace {

constexpr int kRestTop = 260;
constexpr int kRestTicks = 100;
constexpr int kWrapAfter = 1695;
constexpr int kStep = 10;

}  // namespace

void ContactTicker::Tick() {
    if (top_ > kWrapAfter) {
        top_ = 0;
    } else if (top_ == kRestTop) {
        ++pause_;
        if (pause_ >= kRestTicks) top_ += kStep;
    } else {
        top_ += kStep;
        pause_ = 0;
    }
}

int ContactTicker::TicksUntilMove(const std::function<int(int top)>& rowOf, int longest) const {
    ContactTicker ahead = *this;
    const int shown = rowOf(top_);
    int n = 0;
    do {
        ahead.Tick();
        ++n;
    } while (rowOf(ahead.top_) == shown && n < longest);
    return n;
}

}  // namespace torvane
