#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/Position.h"

namespace torvane::engine {

// Leaves of the move tree `depth` plies deep. A move that decides the game is a leaf; a
// position that is already decided has no moves. The last ply is counted, not played.
std::uint64_t Perft(Position& pos, int depth, bool drops);

// The same count split by the first move, in generation order.
std::vector<std::pair<Move, std::uint64_t>> PerftDivide(Position& pos, int depth, bool drops);

}  // namespace torvane::engine
