#pragma once

#include "engine/Position.h"

namespace torvane::engine {

// True when the opponent of `side` could end the game with its next move: an enemy piece next
// to `side`'s Elephant or last Rat may take it. The search treats this like check.
bool VitalPieceAttacked(const Position& pos, Color side);

}  // namespace torvane::engine
