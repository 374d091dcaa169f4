#pragma once

#include <cstdint>
#include <vector>

namespace torvane {

// Bytes as they travel over the connection.
using WireBytes = std::vector<std::uint8_t>;

}  // namespace torvane
