#include "engine/Bench.h"

#include <atomic>
#include <chrono>
#include <random>
#include <vector>

#include "engine/Perft.h"
#include "engine/Search.h"
#include "engine/Sfen.h"

namespace torvane::engine {

namespace {

constexpr int kSearchDepth = 7;
constexpr int kPerftDepth = 5;
constexpr int kPositions = 8;

using Clock = std::chrono::steady_clock;

std::int64_t MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// The start position and positions after 8, 16, ... plies of play by a fixed-seed random
// player, so every run searches the same positions.
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

}  // namespace

void RunBench(const std::function<void(const std::string&)>& print) {
    TranspositionTable tt(16);
    Search search(tt, 1);
    std::atomic<bool> stop{false};
    std::uint64_t nodes = 0;
    auto start = Clock::now();
    for (const Position& pos : BenchPositions()) {
        tt.Clear();
        SearchRequest request{pos, {}, {}, false, kMaxLevel};
        request.limits.depth = kSearchDepth;
        nodes += search.Run(request, stop, [](const std::string&) {}).nodes;
    }
    std::int64_t ms = MsSince(start);
    print("info string bench search: " + std::to_string(nodes) + " nodes " + std::to_string(ms) +
          " ms " + std::to_string(nodes * 1000 / static_cast<std::uint64_t>(ms + 1)) + " nps");

    Position pos = StartPosition();
    start = Clock::now();
    std::uint64_t leaves = Perft(pos, kPerftDepth, false);
    ms = MsSince(start);
    print("info string bench perft " + std::to_string(kPerftDepth) + ": " + std::to_string(leaves) +
          " leaves " + std::to_string(ms) + " ms " +
          std::to_string(leaves * 1000 / static_cast<std::uint64_t>(ms + 1)) + " leaves/s");
}

}  // namespace torvane::engine
