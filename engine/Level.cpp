#include "engine/Level.h"

#include <algorithm>

namespace torvane::engine {

LevelSettings SettingsOfLevel(int level) {
    // Each level about 110-240 Elo above the one below (measured by torvane-match, see the
    // README); the lowest loses more than it wins against a player that takes the most valuable
    // piece it can. The window's time is ample for every limit; the top level's is the default
    // of the three times a player may choose for it (1, 3 or 10 s).
    static constexpr LevelSettings kLevels[] = {
        {1000, 0, 1, 200, 100},   {1000, 0, 1, 100, 50},   {1000, 0, 2, 60, 25},
        {1000, 300, 64, 40, 10},  {1000, 1000, 64, 25, 5}, {1000, 3000, 64, 15, 0},
        {2000, 10000, 64, 10, 0}, {2000, 40000, 64, 5, 0}, {3000, 150000, 64, 0, 0},
        {3000, 0, 64, 0, 0},
    };
    return kLevels[std::clamp(level, kMinLevel, kMaxLevel) - 1];
}

}  // namespace torvane::engine
