#include "game/ClockCounters.h"

namespace torvane {

// The counters are plain ints, so a move timed without a limit never overflows them.
bool ClockCounters::Tick(bool bottom, bool limitOn) {
    int& seconds = bottom ? Timer1Seconds : Timer2Seconds;
    int& display = bottom ? Timer1Display : Timer2Display;
    seconds += 1;
    display += 1;
    if (limitOn && ClockMinutes == 3) return false;
    if (seconds > 59) {
        seconds = 0;
        display += 40;
        ClockMinutes += 1;
    }
    return true;
}

void ClockCounters::ZeroBottom() {
    Timer1Seconds = Timer1Display = ClockMinutes = 0;
}

void ClockCounters::ZeroTop() {
    Timer2Seconds = Timer2Display = ClockMinutes = 0;
}

void ClockCounters::ZeroBoth() {
    ZeroBottom();
    ZeroTop();
}

}  // namespace torvane
