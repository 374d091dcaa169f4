#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Elo.h"
#include "Openings.h"
#include "Player.h"
#include "Sprt.h"

namespace torvane::match {

struct MatchConfig {
    std::string a = "level:10", b = "greedy";  // the players, as MakePlayer reads them
    EngineSettings aSettings, bSettings;
    bool drops = false;
    int games = 100;
    int maxPlies = 400;
    int jobs = 1;
    std::vector<Opening> openings;  // game 2k and 2k+1 play opening k with colours swapped
    std::optional<Sprt> sprt;       // stop as soon as it decides
    unsigned seed = 1;
    // Called after every game (one call at a time) with its record: a comment line saying who
    // played which side and how it ended, then the game as a USI `position` command.
    std::function<void(const std::string&)> record;
};

// Plays the match on `jobs` threads, each with its own pair of players, and returns the
// result from A's side. `report` is called after every game (one call at a time) with a line
// about the game and the standing.
Tally RunMatch(const MatchConfig& config, const std::function<void(const std::string&)>& report);

}  // namespace torvane::match
