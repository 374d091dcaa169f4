// What bounds a search: its node count on fixed positions, the time budget of each clock, a
// node limit and `stop`.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "engine/Bench.h"
#include "engine/MoveGen.h"
#include "engine/ParallelSearch.h"
#include "engine/Search.h"
#include "engine/Sfen.h"
#include "engine/TimeManager.h"

namespace torvane::engine {
namespace {

// The bench's node counts change with any change of what the search visits: move ordering,
// pruning, extensions, the evaluation, the transposition table. A change meant to keep the
// search as it is (a faster move generator, say) must leave them alone. A change of behaviour
// updates them: run `echo bench | build/engine/torvane-engine` and copy the two node counts
// here, in the same commit as the change and the match that judged it.
TEST(Bench, NodeCountsArePinned) {
    EXPECT_EQ(BenchNodes(false), 672398u);
    EXPECT_EQ(BenchNodes(true), 1002120u);
}

std::int64_t Budget(const GoLimits& limits, int side, std::int64_t levelMs, bool capped = true) {
    TimeManager tm;
    tm.Start(limits, side, levelMs, capped);
    return tm.BudgetMs();
}

TEST(TimeManager, BudgetsStayInsideTheClockAndTheLevelsCap) {
    EXPECT_EQ(Budget(GoLimits{.movetime = 1000}, 0, 9000), 970);
    EXPECT_EQ(Budget(GoLimits{.byoyomi = 10000}, 0, 1000), 1000);  // the level's cap
    EXPECT_EQ(Budget(GoLimits{.byoyomi = 10000}, 1, 9000), 8000);
    EXPECT_EQ(Budget(GoLimits{}, 0, 4000), 4000);  // no clock: the level's time
    // The top level is not capped: it uses every byoyomi the player may choose for it.
    for (std::int64_t byoyomi : {1000, 3000, 10000})
        EXPECT_EQ(Budget(GoLimits{.byoyomi = byoyomi}, 0, 3000, false), byoyomi * 8 / 10);
    EXPECT_EQ(Budget(GoLimits{}, 1, 3000, false), 3000);
    EXPECT_GT(Budget(GoLimits{.depth = 5}, 0, 4000), std::int64_t{1} << 40);
    // Each side reads its own clock: Gote has little time left, Sente plenty.
    GoLimits clocks{.time = {600000, 3000}};
    EXPECT_EQ(Budget(clocks, 0, 9000), 9000);
    EXPECT_EQ(Budget(clocks, 1, 9000), 100);

    for (std::int64_t remaining : {0, 50, 61, 200, 5000, 180000, 3600000})
        for (std::int64_t inc : {0, 100, 2000})
            for (std::int64_t byoyomi : {0, 100, 3000, 10000}) {
                if (remaining + inc + byoyomi == 0) continue;
                GoLimits limits{
                    .time = {remaining, remaining}, .increment = {inc, inc}, .byoyomi = byoyomi};
                std::int64_t budget = Budget(limits, 0, 9000);
                SCOPED_TRACE(std::to_string(remaining) + " " + std::to_string(inc) + " " +
                             std::to_string(byoyomi));
                EXPECT_GE(budget, 1);
                EXPECT_LE(budget, 9000);
                // Never the whole of what is left: the answer has to travel back in time.
                std::int64_t allowed = remaining + inc + byoyomi;
                if (allowed > 100) {
                    EXPECT_LE(budget, allowed - 60);
                }
            }
}

// Time left over is kept only by a main time or an increment; then no iteration starts past
// half the budget. Byoyomi and a fixed time per move are used to the end.
TEST(TimeManager, IterationsStartUntilTheBudgetUnlessTimeLeftOverIsKept) {
    std::int64_t now = 0;
    for (auto [limits, keeps] :
         {std::pair{GoLimits{.movetime = 1000}, false}, std::pair{GoLimits{.byoyomi = 1000}, false},
          std::pair{GoLimits{}, false},
          std::pair{GoLimits{.time = {0, 60000}, .byoyomi = 1000}, false},
          std::pair{GoLimits{.time = {60000, 0}, .byoyomi = 1000}, true},
          std::pair{GoLimits{.increment = {2000, 0}}, true}}) {
        TimeManager tm;
        tm.UseClock([&] { return now; });
        now = 0;
        tm.Start(limits, 0, 3000, false);
        std::int64_t budget = tm.BudgetMs();
        now = budget / 2 - 1;
        EXPECT_FALSE(tm.SoftLimitReached());
        now = budget / 2;
        EXPECT_EQ(tm.SoftLimitReached(), keeps) << budget;
        now = budget - 1;
        EXPECT_EQ(tm.SoftLimitReached(), keeps) << budget;
        now = budget;
        EXPECT_TRUE(tm.SoftLimitReached());
        EXPECT_TRUE(tm.HardLimitReached());
    }
}

SearchResult Think(const Position& pos, GoLimits limits, const std::atomic<bool>& stop) {
    SearchRequest request;
    request.position = pos;
    request.limits = limits;
    TranspositionTable tt(1);
    Search search(tt, 3);
    return search.Run(request, stop, [](const std::string&) {});
}

// Every node is counted and the search ends at the node it reaches the limit, so that the
// countdown that also serves the clock and `stop` skips none. Depth 1 always completes.
TEST(SearchLimits, NodeLimitEndsTheSearchAtThatNode) {
    Position pos = StartPosition();
    std::atomic<bool> stop{false};
    std::uint64_t depthOne = Think(pos, GoLimits{.depth = 1}, stop).nodes;
    for (std::uint64_t limit : {std::uint64_t{1}, depthOne + 1, depthOne + 777, 20000 + depthOne}) {
        SearchResult r = Think(pos, GoLimits{.nodes = limit}, stop);
        EXPECT_EQ(r.nodes, std::max(limit, depthOne)) << limit;
        EXPECT_GE(r.depth, 1);
    }
}

// `stop` raised before the search starts: depth 1 is still searched, and nothing after it.
TEST(SearchLimits, StopAfterTheFirstDepth) {
    Position pos = StartPosition();
    std::atomic<bool> stop{false};
    std::uint64_t depthOne = Think(pos, GoLimits{.depth = 1}, stop).nodes;
    stop = true;
    SearchResult r = Think(pos, GoLimits{.infinite = true}, stop);
    EXPECT_EQ(r.depth, 1);
    EXPECT_EQ(r.nodes, depthOne);
    EXPECT_NE(r.best, kNoMove);
}

// `stop` raised in the middle of a search is heard within one interval of the countdown: the
// nodes searched after it are counted, not timed.
TEST(SearchLimits, StopIsHeardWithinOneClockInterval) {
    SearchRequest request{StartPosition(), {}, GoLimits{.infinite = true}, false, kMaxLevel};
    TranspositionTable tt(1);
    Search search(tt, 3);
    std::atomic<bool> stop{false};
    auto running = std::async(std::launch::async,
                              [&] { return search.Run(request, stop, [](const std::string&) {}); });
    while (search.NodesAtLastLook() < 50000) std::this_thread::yield();
    stop = true;
    std::uint64_t nodesAtStop = search.NodesAtLastLook();
    SearchResult r = running.get();
    EXPECT_GE(r.nodes, nodesAtStop);
    EXPECT_LE(r.nodes, nodesAtStop + kClockCheckNodes);
}

// On a loaded machine each look at the clock may find much time gone. The search is given a
// clock that moves `step` ms at every look: it must answer at the first look past its budget,
// not at the end of an iteration, and so within its time however slow the machine.
TEST(SearchLimits, AnswersAtTheFirstLookPastItsBudget) {
    for (std::int64_t step : {5, 40}) {
        std::int64_t now = 0;
        int looks = 0;
        TranspositionTable tt(1);
        Search search(tt, 3);
        search.UseClock([&] { return ++looks, now += step; });
        SearchRequest request{StartPosition(), {}, GoLimits{.byoyomi = 1000}, false, kMaxLevel};
        std::atomic<bool> stop{false};
        SearchResult r = search.Run(request, stop, [](const std::string&) {});
        const std::int64_t budget = 800, start = step;
        EXPECT_GE(now - start, budget) << step;  // byoyomi unused is lost: it used all of it
        EXPECT_LE(now - start, budget + step) << step;
        // Every look is one node interval at most, apart from the untimed first iteration and
        // the looks of the reports.
        EXPECT_LE(r.nodes, static_cast<std::uint64_t>(looks + 1) * kClockCheckNodes + 100000);
        EXPECT_TRUE(FindLegalMove(StartPosition(), false, MoveName(r.best)));
    }
}

// Two threads: a legal move at the depth asked for, and `stop` ends a search without end, the
// helper with it.
TEST(ParallelSearch, TwoThreadsAnswerAndStopWhenTold) {
    TranspositionTable tt(4);
    ParallelSearch search(tt, 9);
    search.SetThreads(2);
    std::atomic<bool> stop{false};
    Position pos = StartPosition();
    SearchResult deep = search.Run({pos, {}, GoLimits{.depth = 6}, true, kMaxLevel}, stop,
                                   [](const std::string&) {});
    EXPECT_EQ(deep.depth, 6);
    EXPECT_TRUE(FindLegalMove(pos, true, MoveName(deep.best)));

    std::atomic<int> reports{0};
    auto running = std::async(std::launch::async, [&] {
        return search.Run({pos, {}, GoLimits{.infinite = true}, false, kMaxLevel}, stop,
                          [&](const std::string&) { ++reports; });
    });
    while (reports < 4) std::this_thread::yield();
    stop = true;
    ASSERT_EQ(running.wait_for(std::chrono::seconds(60)), std::future_status::ready);
    SearchResult r = running.get();
    EXPECT_GE(r.depth, 4);
    EXPECT_TRUE(FindLegalMove(pos, false, MoveName(r.best)));
}

}  // namespace
}  // namespace torvane::engine
