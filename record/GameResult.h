#pragma once

#include "rules/Side.h"

namespace torvane {

// How a game ended, and who lost it.
enum class GameEnd {
    Resignation,   // 投了
    TimeUp,        // 切れ負け
    ElephantLost,  // the loser's Elephant was taken
    RatsLost,      // the loser's last Rat was taken
};

struct GameResult {
    GameEnd end = GameEnd::Resignation;
    Side loser = Side::Sente;

    bool operator==(const GameResult&) const = default;
};

}  // namespace torvane
