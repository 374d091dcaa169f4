#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace torvane::engine {

// The nodes of a fixed-depth search at the top level on one thread over a fixed set of
// positions, with or without drops: the same on every machine as long as the search behaves
// the same.
std::uint64_t BenchNodes(bool drops);

// The bench's searches without and with drops, each on one and on two threads (the nodes of
// all threads counted), then perft 5 from the start position; prints nodes, time and speed of
// each through `print`.
void RunBench(const std::function<void(const std::string&)>& print);

}  // namespace torvane::engine
