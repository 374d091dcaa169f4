#include "engine/Level.h"

#include <algorithm>

namespace torvane::engine {

LevelSettings SettingsOfLevel(int level) {
    // Depth separates the levels; the lowest also err on purpose so that a beginner can win.
    static constexpr LevelSettings kLevels[] = {
        {1, 150, 30, 1000}, {2, 60, 8, 2000}, {3, 25, 0, 4000}, {4, 10, 0, 6000}, {64, 0, 0, 9000},
    };
    return kLevels[std::clamp(level, kMinLevel, kMaxLevel) - 1];
}

}  // namespace torvane::engine
