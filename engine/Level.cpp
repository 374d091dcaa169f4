#include "engine/Level.h"

#include <algorithm>

namespace torvane::engine {

LevelSettings SettingsOfLevel(int level) {
    // Depth separates the levels. The two lowest also choose some of their moves blind past
    // the last ply and with much noise at the root, so that a beginner can win; the noise
    // shrinks as the level rises, so that games vary most where a player meets the computer
    // first.
    static constexpr LevelSettings kLevels[] = {
        {1, 450, 100, 1000}, {1, 150, 60, 2000}, {3, 25, 0, 4000},
        {4, 10, 0, 6000},    {64, 0, 0, 9000},
    };
    return kLevels[std::clamp(level, kMinLevel, kMaxLevel) - 1];
}

}  // namespace torvane::engine
