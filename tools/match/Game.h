#pragma once

#include <string>
#include <vector>

#include "Player.h"

namespace torvane::match {

enum class Outcome { SenteWins, GoteWins, Draw };

struct GameRecord {
    Outcome outcome = Outcome::Draw;
    int plies = 0;
    std::string reason;
    std::vector<std::string> moves;  // the whole game in USI, the opening's moves first
};

// Plays one game from the start position after `opening`, to its end: a side without an
// Elephant or Rat on the board loses, so does a side that resigns, has no move or plays an
// illegal one; past `maxPlies` the game is a draw.
GameRecord PlayGame(Player& sente, Player& gote, const std::vector<std::string>& opening,
                    bool drops, int maxPlies);

}  // namespace torvane::match
