#pragma once

#include <functional>
#include <string>

namespace torvane::engine {

// A fixed-depth search at level 5 over a fixed set of positions, then perft 5 from the start
// position; prints nodes, time and speed of both through `print`.
void RunBench(const std::function<void(const std::string&)>& print);

}  // namespace torvane::engine
