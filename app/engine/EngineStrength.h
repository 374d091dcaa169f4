#pragma once

#include <cstdint>

namespace torvane {

// How the engine is asked to play: its level, the time it is given for a move (it answers
// sooner where its level's limits are reached first) and the threads it searches with.
struct EngineStrength {
    int level;
    std::int64_t moveMs;
    int threads;
};

// The computer's levels, 1 (the weakest) to this, the top level.
inline constexpr int kComputerLevels = 10;

// The times a player may give the top level for each move.
inline constexpr int kTopLevelSeconds[] = {1, 3, 10};

// Level `level` (1..10) as the window plays it: the time the engine names for the level, and
// for the top level `topSeconds` a move and both cores.
EngineStrength StrengthOfLevel(int level, int topSeconds);

}  // namespace torvane
