#include "engine/EvalWeights.h"

namespace torvane::engine {

namespace {

// clang-format off
constexpr EvalWeights kWithoutDrops = {
    8,  // Tempo
    254,  // Rats
    -354,  // LastRat
    -54,  // Dogs
    187,  // Wolves
    297,  // Leopards
    170,  // Crocodiles
    144,  // Bears
    771,  // Tigers
    1349,  // Lions
    0,  // HandRats
    0,  // HandDogs
    0,  // HandWolves
    0,  // HandLeopards
    0,  // HandCrocodiles
    0,  // HandBears
    0,  // HandTigers
    0,  // HandLions
    -95,  // ElephantAttackers
    173,  // ElephantDefenders
    30,  // ElephantEscapes
    -174,  // RatAttackers
    35,  // RatDefenders
    -148,  // LastRatAttackers
    151,  // LastRatDefenders
    22,  // LastRatEscapes
    46,  // HuntNearness
    95,  // HuntClose
    4,  // Mobility
    0,  // DropOnElephant
    0,  // DropOnLastRat
    -90,  // VitalAttacked
};

constexpr EvalWeights kWithDrops = {
    1,  // Tempo
    552,  // Rats
    -540,  // LastRat
    -98,  // Dogs
    53,  // Wolves
    67,  // Leopards
    110,  // Crocodiles
    236,  // Bears
    334,  // Tigers
    694,  // Lions
    380,  // HandRats
    152,  // HandDogs
    316,  // HandWolves
    296,  // HandLeopards
    190,  // HandCrocodiles
    427,  // HandBears
    600,  // HandTigers
    347,  // HandLions
    -248,  // ElephantAttackers
    12,  // ElephantDefenders
    -87,  // ElephantEscapes
    -57,  // RatAttackers
    58,  // RatDefenders
    -282,  // LastRatAttackers
    200,  // LastRatDefenders
    -8,  // LastRatEscapes
    -110,  // HuntNearness
    248,  // HuntClose
    32,  // Mobility
    101,  // DropOnElephant
    -196,  // DropOnLastRat
    -90,  // VitalAttacked
};
// clang-format on

}  // namespace

const EvalWeights& WeightsFor(bool drops) {
    return drops ? kWithDrops : kWithoutDrops;
}

}  // namespace torvane::engine
