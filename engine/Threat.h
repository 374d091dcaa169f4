#pragma once

#include "engine/Move.h"
#include "engine/Position.h"

namespace torvane::engine {

// True when the opponent of `side` could end the game with its next move: an enemy piece next
// to `side`'s Elephant or last Rat may take it. The search treats this like check.
bool VitalPieceAttacked(const Position& pos, Color side);

// True when `m` puts the mover's piece next to an enemy Elephant or last Rat it may take: a
// threat to win on the next move, which the search never reduces.
bool CreatesThreat(const Position& pos, Move m);

}  // namespace torvane::engine
