#pragma once

#include <string>

namespace torvane {

// A clock's display value (minutes * 100 + seconds) as hours, minutes and seconds,
// "00:00:00". The minutes are carried into hours, so a move of 100 minutes reads 01:40:00.
std::string FormatClock(int displayValue);

}  // namespace torvane
