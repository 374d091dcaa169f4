#pragma once

namespace torvane {

// The counters of the two clocks. Each side's clock counts the time of its running move:
// `Timer1…` the bottom clock, `Timer2…` the top one. The display value is minutes * 100 +
// seconds; `ClockMinutes` counts the minutes of whichever clock runs, for the time limit.
struct ClockCounters {
    int Timer1Seconds = 0, Timer1Display = 0;
    int Timer2Seconds = 0, Timer2Display = 0;
    int ClockMinutes = 0;

    // One second of the bottom or top clock. The limit is tested before the seconds are
    // carried into the minutes, so a clock shows 3:00 for one second and the loss comes on the
    // next tick. Returns false when that tick ran out of time (nothing is carried then).
    bool Tick(bool bottom, bool limitOn);
    int Display(bool bottom) const { return bottom ? Timer1Display : Timer2Display; }
    void ZeroBottom();
    void ZeroTop();
    void ZeroBoth();

    bool operator==(const ClockCounters&) const = default;
};

}  // namespace torvane
