#include "game/ClockFormat.h"

#include <cstdio>

namespace torvane {

std::string FormatClock(int displayValue) {
    if (displayValue < 0) displayValue = 0;
    int minutes = displayValue / 100;
    int seconds = displayValue % 100;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", minutes / 60, minutes % 60, seconds);
    return text;
}

}  // namespace torvane
