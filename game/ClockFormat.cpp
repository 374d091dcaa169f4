#include "game/ClockFormat.h"

namespace torvane {

std::string FormatClock(int displayValue) {
    if (displayValue < 0) displayValue = 0;
    std::string digits = std::to_string(displayValue);
    if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
    size_t n = digits.size();
    return digits.substr(0, n - 4) + ":" + digits.substr(n - 4, 2) + ":" + digits.substr(n - 2);
}

}  // namespace torvane
