#include "app/engine/EngineStrength.h"

#include "engine/Level.h"

namespace torvane {

static_assert(kComputerLevels == engine::kMaxLevel, "the window offers every level of the engine");

EngineStrength StrengthOfLevel(int level, int topSeconds) {
    if (level >= kComputerLevels) return {kComputerLevels, topSeconds * 1000LL, 2};
    return {level, engine::SettingsOfLevel(level).timeMs, 1};
}

}  // namespace torvane
