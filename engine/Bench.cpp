#include "engine/Bench.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <random>
#include <vector>

#include "engine/ParallelSearch.h"
#include "engine/Perft.h"
#include "engine/Search.h"
#include "engine/Sfen.h"

namespace torvane::engine {

namespace {

constexpr int kSearchDepth = 7;
constexpr int kPerftDepth = 5;
constexpr int kPositions = 8;

// Wall time and this process's CPU time since construction: on a shared machine the CPU time
// shows the engine's own speed, the wall time what a player would see.
class Stopwatch {
public:
    std::string Rate(std::uint64_t count, const std::string& unit) const {
        std::int64_t wallMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  std::chrono::steady_clock::now() - wall_)
                                  .count();
        std::int64_t cpuMs = (std::clock() - cpu_) * 1000 / CLOCKS_PER_SEC;
        return std::to_string(count) + " " + unit + ", " + PerSecond(count, wallMs) + " wall, " +
               PerSecond(count, cpuMs) + " cpu";
    }

private:
    static std::string PerSecond(std::uint64_t count, std::int64_t ms) {
        return std::to_string(ms) + " ms (" + std::to_string(count * 1000 / (ms + 1)) + "/s)";
    }
    std::chrono::steady_clock::time_point wall_ = std::chrono::steady_clock::now();
    std::clock_t cpu_ = std::clock();
};

// The start position and positions after 8, 16, ... plies of play by a fixed-seed random
// player, so every run searches the same positions. Captured pieces fill the hands on the way.
std::vector<Position> BenchPositions() {
    std::vector<Position> positions{StartPosition()};
    std::mt19937 random(2026);
    Position pos = StartPosition();
    while (static_cast<int>(positions.size()) < kPositions) {
        for (int ply = 0; ply < 8; ++ply) {
            MoveList list;
            GenerateMoves(pos, false, list);
            Undo undo;
            Position next = pos;
            next.Make(list.moves[random() % list.size], undo);
            if (!next.IsDecided()) pos = next;
        }
        positions.push_back(pos);
    }
    return positions;
}

// The bench's searches on `threads` threads: all their nodes.
std::uint64_t SearchBench(bool drops, int threads) {
    TranspositionTable tt(16);
    ParallelSearch search(tt, 1);
    search.SetThreads(threads);
    std::atomic<bool> stop{false};
    std::uint64_t nodes = 0;
    for (const Position& pos : BenchPositions()) {
        tt.Clear();
        SearchRequest request{pos, {}, {}, drops, kMaxLevel};
        request.limits.depth = kSearchDepth;
        nodes += search.Run(request, stop, [](const std::string&) {}).nodes;
    }
    return nodes;
}

}  // namespace

std::uint64_t BenchNodes(bool drops) {
    return SearchBench(drops, 1);
}

void RunBench(const std::function<void(const std::string&)>& print) {
    for (bool drops : {false, true}) {
        for (int threads : {1, 2}) {
            Stopwatch searchClock;
            std::uint64_t nodes = SearchBench(drops, threads);
            print("info string bench search depth " + std::to_string(kSearchDepth) +
                  (drops ? " with drops" : "") + ", threads " + std::to_string(threads) + ": " +
                  searchClock.Rate(nodes, "nodes"));
        }
    }

    Position pos = StartPosition();
    Stopwatch perftClock;
    std::uint64_t leaves = Perft(pos, kPerftDepth, false);
    print("info string bench perft " + std::to_string(kPerftDepth) + ": " +
          perftClock.Rate(leaves, "leaves"));
}

}  // namespace torvane::engine
