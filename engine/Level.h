#pragma once

#include <cstdint>

namespace torvane::engine {

// How strongly one of the levels 1 (入門) .. 5 (最強) plays. The levels differ by how far they
// look and by noise, not by giving pieces away on purpose: the lowest ones now and then judge
// their last ply by the evaluation alone, and so may miss an attack on their Elephant or
// last Rat, as a beginner does.
struct LevelSettings {
    int maxDepth;            // iterative deepening stops here
    int jitter;              // random centipawns added to each root move's score, up to this
    int blindPercent;        // chance that a move is chosen without looking past the last ply
    std::int64_t timeCapMs;  // never think longer than this on one move
};

inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 5;

LevelSettings SettingsOfLevel(int level);

}  // namespace torvane::engine
