#pragma once

#include <random>
#include <string>
#include <vector>

namespace torvane::match {

using Opening = std::vector<std::string>;  // USI moves from the start position

// `count` short random openings of `plies` moves that leave the game undecided, the same for
// the same seed.
std::vector<Opening> RandomOpenings(int count, int plies, bool drops, unsigned seed);

// One opening a line (USI moves separated by spaces; empty lines and lines starting with '#'
// are skipped). Throws on an unreadable file or an illegal move, naming the line.
std::vector<Opening> ReadOpenings(const std::string& path, bool drops);

}  // namespace torvane::match
