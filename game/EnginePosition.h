#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/Cell.h"

namespace torvane {

class Game;

// The position string of the running game as the engine reads it (WriteSfen, move number 1):
// the board as Sente sees it, the side to move and the hands. On a board turned for a Gote
// player the engine's cell is 80 - the local cell.
std::string EnginePosition(const Game& game);

// A move in the engine's notation (`5f5e`, or `D*5e` for a drop) in the local view.
struct EngineMove {
    bool drop = false;
    int from = -1;  // board cell; -1 for a drop
    int to = -1;
    int kind = 0;  // PieceKind of the dropped piece
};

// Turns `text` into cells of the local view (turned when `turned`); nothing for text that is
// not a move.
std::optional<EngineMove> ParseEngineMove(std::string_view text, bool turned);

// The move in the engine's notation, from cells of the local view (turned when `turned`): the
// text ParseEngineMove reads back as the same move.
std::string EngineMoveText(const EngineMove& move, bool turned);

}  // namespace torvane
