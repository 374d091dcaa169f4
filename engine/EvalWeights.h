#pragma once

#include <array>

#include "engine/EvalTerms.h"

namespace torvane::engine {

// A weight in centipawns for every term of the evaluation.
using EvalWeights = std::array<int, kTermCount>;

// The weights the engine plays with, one set for games without drops and one for games with:
// fitted by tools/tune to the results of self-play games and adopted after a match against the
// engine before.
const EvalWeights& WeightsFor(bool drops);

}  // namespace torvane::engine
