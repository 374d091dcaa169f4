#include "game/ContactTicker.h"

#include <cmath>

namespace torvane {

namespace {

constexpr int kRestTop = 260;
constexpr int kRestTicks = 100;
constexpr int kWrapAfter = 1695;
constexpr int kStep = 10;

int PixelOf(int twips, int twipsPerPixel) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

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

int ContactTicker::TicksUntilMove(int twipsPerPixel) const {
    ContactTicker ahead = *this;
    int shown = PixelOf(top_, twipsPerPixel);
    for (int n = 1;; ++n) {
        ahead.Tick();
        if (PixelOf(ahead.top_, twipsPerPixel) != shown) return n;
    }
}

}  // namespace torvane
