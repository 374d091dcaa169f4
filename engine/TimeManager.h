#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace torvane::engine {

// What `go` said about the clock, in milliseconds; 0 where it said nothing.
struct GoLimits {
    std::int64_t time[2] = {0, 0};  // btime, wtime
    std::int64_t increment[2] = {0, 0};
    std::int64_t byoyomi = 0;
    std::int64_t movetime = 0;
    int depth = 0;
    std::uint64_t nodes = 0;
    bool infinite = false;
};

// The time one move may take: well under what the clock allows, within the level's time, and
// answered before the limit even when the machine is slow to wake the search thread.
class TimeManager {
public:
    // Milliseconds on a steady clock; the real one unless a test gives its own.
    using ClockMs = std::function<std::int64_t()>;
    static std::int64_t SteadyMs();

    void UseClock(ClockMs clock) { clock_ = std::move(clock); }

    // `side` is 0 for Sente, 1 for Gote. `levelMs` is the level's own time: what a search
    // without a clock may take and, when `capped`, the most any search may take. `go depth`
    // and `go nodes` alone are not timed.
    void Start(const GoLimits& limits, int side, std::int64_t levelMs, bool capped);

    std::int64_t ElapsedMs() const;
    // Past the budget: the search must stop now.
    bool HardLimitReached() const { return ElapsedMs() >= budgetMs_; }
    // No new iteration is started: past half the budget when the time saved is kept for later
    // moves (a new iteration would seldom finish), else only at the budget itself, since time
    // not used on this move is lost.
    bool SoftLimitReached() const { return ElapsedMs() >= (banks_ ? budgetMs_ / 2 : budgetMs_); }
    std::int64_t BudgetMs() const { return budgetMs_; }

private:
    ClockMs clock_ = SteadyMs;
    std::int64_t startMs_ = 0;
    std::int64_t budgetMs_ = 0;
    bool banks_ = true;  // the clock keeps what this move leaves (main time or increment)
};

}  // namespace torvane::engine
