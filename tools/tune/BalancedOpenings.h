#pragma once

#include <string>
#include <vector>

namespace torvane::tune {

struct OpeningsConfig {
    int count = 200;
    int plies = 8;
    bool drops = false;
    int maxScore = 80;  // centipawns either way after the opening
    std::uint64_t nodes = 20000;
    unsigned seed = 1;
};

// Short openings of random moves (with drops: at least one capture and, where the hand allows,
// a drop among them, so that the hands are in play) after which a search of `nodes` nodes
// scores the position within `maxScore` of even; no two alike. Each is the USI moves from the
// start, separated by spaces.
std::vector<std::string> BalancedOpenings(const OpeningsConfig& config);

}  // namespace torvane::tune
