#pragma once

#include <string>

namespace torvane {

// The machine's own address as a peer would reach it: the first IPv4 address that is not a
// loopback address, or 127.0.0.1 when there is none.
std::string LocalAddress();

}  // namespace torvane
