#pragma once

#include <string>

namespace torvane {

// A clock's display value (minutes * 100 + seconds) in the "00:00:00" pattern: the number
// padded with zeros to six digits, a colon after the second and the fourth.
std::string FormatClock(int displayValue);

}  // namespace torvane
