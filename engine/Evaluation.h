#pragma once

#include "engine/EvalWeights.h"
#include "engine/Position.h"

namespace torvane::engine {

// Material worth of each kind in centipawns, used to order captures.
inline constexpr int kKindValue[kKindCount] = {300, 120, 220, 300, 380, 460, 540, 640, 900};

// A static judgement of `pos` for the side to move, in centipawns: the terms counted in the
// position times their weights. `drops` says whether pieces in hand can come back into play.
int Evaluate(const Position& pos, bool drops);
// The same with other weights (the tuning tool's).
int Evaluate(const Position& pos, bool drops, const EvalWeights& weights);

}  // namespace torvane::engine
