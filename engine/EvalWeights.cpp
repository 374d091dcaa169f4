#include "engine/EvalWeights.h"

namespace torvane::engine {

namespace {

// clang-format off
constexpr EvalWeights kWithoutDrops = {
    0,                                        // Tempo
    300, -400,                                // Rats, LastRat
    120, 220, 300, 380, 460, 540, 640,        // Dogs .. Lions
    0, 0, 0, 0, 0, 0, 0, 0,                   // hands
    0, 0, 0,                                  // Elephant: attackers, defenders, escapes
    0, 0, 0, 0, 0,                            // Rats: attackers, defenders; last Rat: the same, escapes
    6, 0,                                     // hunt: nearness, close
    2,                                        // mobility
    0, 0,                                     // drop threats
    -90,                                      // vital piece attacked
};

constexpr EvalWeights kWithDrops = {
    0,
    300, -400,
    120, 220, 300, 380, 460, 540, 640,
    255, 102, 187, 255, 323, 391, 459, 544,
    0, 0, 0,
    0, 0, 0, 0, 0,
    6, 0,
    2,
    0, 0,
    -90,
};
// clang-format on

}  // namespace

const EvalWeights& WeightsFor(bool drops) {
    return drops ? kWithDrops : kWithoutDrops;
}

}  // namespace torvane::engine
