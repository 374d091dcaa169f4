#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace torvane::engine {

// The nodes of a fixed-depth search at level 5 over a fixed set of positions, with or without
// drops: the same on every machine as long as the search behaves the same.
std::uint64_t BenchNodes(bool drops);

// BenchNodes without and with drops, then perft 5 from the start position; prints nodes, time
// and speed of each through `print`.
void RunBench(const std::function<void(const std::string&)>& print);

}  // namespace torvane::engine
