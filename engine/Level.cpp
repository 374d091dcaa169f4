#include "engine/Level.h"

#include <algorithm>

namespace torvane::engine {

LevelSettings SettingsOfLevel(int level) {
    // Each level about 110-240 Elo above the one below (measured by torvane-match, see the
    // README); the lowest loses more than it wins against a player that takes the most valuable
    // piece it can. The window's time is ample for every limit; the top level's is the default
    // of the three times a player may choose for it (1, 3 or 10 s).
    static constexpr LevelSettings kLevels[] = {
        // time    nodes  depth noise blind
        {1000, 0, 1, 300, 100},    // 1
        {1000, 0, 1, 250, 85},     // 2
        {1000, 0, 1, 150, 50},     // 3
        {1000, 0, 1, 95, 25},      // 4
        {1000, 500, 64, 50, 10},   // 5
        {1000, 2000, 64, 25, 0},   // 6
        {2000, 7000, 64, 15, 0},   // 7
        {2000, 45000, 64, 8, 0},   // 8
        {3000, 180000, 64, 0, 0},  // 9
        {3000, 0, 64, 0, 0},       // 10
    };
    return kLevels[std::clamp(level, kMinLevel, kMaxLevel) - 1];
}

}  // namespace torvane::engine
