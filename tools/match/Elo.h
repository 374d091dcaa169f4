#pragma once

#include <string>

namespace torvane::match {

struct Tally {
    int wins = 0, draws = 0, losses = 0;
    int Games() const { return wins + draws + losses; }
    double Score() const { return Games() == 0 ? 0.5 : (wins + 0.5 * draws) / Games(); }
};

// "W/D/L, score, Elo difference with its 95 % error margin" from the first player's side. A
// score of 0 % or 100 % has no finite estimate; it is given as a one-sided 95 % bound instead.
std::string EloSummary(const Tally& t);

}  // namespace torvane::match
