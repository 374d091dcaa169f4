#pragma once

#include <cstdint>

namespace torvane::engine {

// How strongly one of the levels 1 (weakest) .. 10 (strongest) plays. The levels below the top
// are weak by how far they look (a node or depth limit), a little noise in the evaluation and,
// at the lowest, now and then a move judged blind past its last ply (which may miss an attack on
// its Elephant or last Rat, as a beginner does); they never give pieces away on purpose. The
// top level plays its best in the time it is given. Kept free of other engine headers: the
// window reads this table to give each level its time.
struct LevelSettings {
    std::int64_t timeMs;  // the time per move the window gives this level (go byoyomi)
    std::uint64_t nodes;  // a move's search stops after this many nodes (three times as many
                          // with drops, whose many moves make each ply dearer); 0: no limit
    int maxDepth;         // iterative deepening stops here
    int noise;            // centipawns added to or taken from each evaluation, up to this
    int blindPercent;     // chance that a move is chosen without looking past the last ply
};

inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 10;

// The settings of `level`, clamped to kMinLevel..kMaxLevel.
LevelSettings SettingsOfLevel(int level);

}  // namespace torvane::engine
