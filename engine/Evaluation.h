#pragma once

#include "engine/Position.h"

namespace torvane::engine {

// Material worth of each kind in centipawns, also used to order captures.
inline constexpr int kKindValue[kKindCount] = {300, 120, 220, 300, 380, 460, 540, 640, 900};

// A static judgement of `pos` for the side to move, in centipawns. `drops` says whether pieces
// in hand can come back into play (otherwise they are worth nothing).
int Evaluate(const Position& pos, bool drops);

}  // namespace torvane::engine
