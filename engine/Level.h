#pragma once

#include <cstdint>

namespace torvane::engine {

// How strongly one of the levels 1 (入門) .. 5 (最強) plays.
struct LevelSettings {
    int maxDepth;            // iterative deepening stops here
    int jitter;              // random centipawns added to each root move's score, up to this
    int blunderPercent;      // chance of playing a random legal move instead
    std::int64_t timeCapMs;  // never think longer than this on one move
};

inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 5;

LevelSettings SettingsOfLevel(int level);

}  // namespace torvane::engine
