#include "engine/TimeManager.h"

#include <algorithm>
#include <chrono>

namespace torvane::engine {

namespace {

// Kept back from every limit for process start-up, pipes and the GUI's own latency.
constexpr std::int64_t kSafetyMs = 60;
// A game lasts long; assume this many more own moves when only the main time is left.
constexpr std::int64_t kMovesToGo = 30;

std::int64_t Budget(const GoLimits& limits, int side) {
    if (limits.movetime > 0) return std::max<std::int64_t>(1, limits.movetime - kSafetyMs / 2);
    std::int64_t remaining = std::max<std::int64_t>(0, limits.time[side]);
    std::int64_t inc = std::max<std::int64_t>(0, limits.increment[side]);
    std::int64_t byoyomi = std::max<std::int64_t>(0, limits.byoyomi);
    if (remaining == 0 && inc == 0 && byoyomi == 0) return -1;  // no clock given
    std::int64_t share = remaining / kMovesToGo + inc * 3 / 4 + byoyomi * 8 / 10;
    std::int64_t hardest = remaining + inc + byoyomi - kSafetyMs;
    return std::max<std::int64_t>(1, std::min(share, hardest));
}

}  // namespace

void TimeManager::Start(const GoLimits& limits, int side, std::int64_t levelMs, bool capped) {
    startMs_ = clock_();
    std::int64_t budget = Budget(limits, side);
    budgetMs_ = budget < 0 ? levelMs : capped ? std::min(budget, levelMs) : budget;
    banks_ = limits.movetime == 0 && (limits.time[side] > 0 || limits.increment[side] > 0);
    // A search told its depth or nodes and no clock runs until it has searched them.
    bool counted = limits.depth > 0 || limits.nodes > 0;
    if (limits.infinite || (budget < 0 && counted)) budgetMs_ = INT64_MAX;
}

std::int64_t TimeManager::SteadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t TimeManager::ElapsedMs() const {
    return clock_() - startMs_;
}

}  // namespace torvane::engine
