#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/Level.h"
#include "engine/MoveGen.h"
#include "engine/Position.h"
#include "engine/Threat.h"
#include "engine/TimeManager.h"
#include "engine/TranspositionTable.h"

namespace torvane::engine {

inline constexpr int kInfinite = 32000;
// Winning by taking the enemy Elephant or last Rat scores kWin minus the plies it takes.
inline constexpr int kWin = 30000;
inline constexpr int kMaxPly = 128;
// The clock and `stop` are looked at every this many nodes (well under a millisecond).
inline constexpr int kClockCheckNodes = 512;
inline constexpr int kMaxMultiPv = 3;

inline bool IsDecisive(int score) {
    return score > kWin - 1000 || score < -(kWin - 1000);
}

struct SearchRequest {
    Position position;
    std::vector<std::uint64_t> history;  // hashes of the game's earlier positions
    GoLimits limits;
    bool drops = false;
    int level = kMaxLevel;
    int multiPv = 1;  // the best this many root moves are searched and reported, each with its line
};

struct SearchResult {
    Move best = kNoMove;  // kNoMove: no legal move or the game is over; resign
    int score = 0;
    int depth = 0;
    std::uint64_t nodes = 0;
};

// Iterative deepening alpha-beta (principal variation search, aspiration windows, null move,
// late-move reductions, quiescence on captures and threats) over one position, on one thread.
// An attack on the Elephant or the last Rat is treated as check. `stop` may be set from
// another thread. Several searches may share one table and search the same position at once
// (ParallelSearch): one reports and answers, the others are helpers that only fill the table.
class Search {
public:
    using InfoSink = std::function<void(const std::string&)>;

    Search(TranspositionTable& tt, std::uint64_t seed);

    SearchResult Run(const SearchRequest& request, const std::atomic<bool>& stop,
                     const InfoSink& info);
    // Makes this search helper number `index` (1, 2, ...): it reports nothing, starts every
    // other iteration a ply deeper, and adds its nodes to `nodes` as it goes.
    void BecomeHelper(int index, std::atomic<std::uint64_t>* nodes);
    // Nodes searched by the helpers, added to this search's own in its reports and node limit.
    void CountHelpersIn(const std::atomic<std::uint64_t>* helperNodes) {
        helperNodes_ = helperNodes;
    }
    // The clock the search's time is measured by (a test's own, say).
    void UseClock(TimeManager::ClockMs clock) { time_.UseClock(std::move(clock)); }
    // The nodes searched when the search last looked at `stop`; may be read by any thread.
    std::uint64_t NodesAtLastLook() const { return nodesAtLastLook_.load(); }

private:
    // One line of a multi-line search: its score and moves as last searched.
    struct Line {
        int score = 0;
        int length = 0;
        std::array<Move, kMaxPly> moves{};
    };

    void Prepare(const SearchRequest& request, const std::atomic<bool>& stop);
    bool Iterate(int depth, SearchResult& result);
    int RootSearch(int depth, int alpha, int beta, int first);
    int Aspiration(int depth, int previous, int first);
    int Negamax(int depth, int alpha, int beta, int ply, bool nullAllowed);
    int Quiesce(int alpha, int beta, int ply, int qdepth);
    int QuiesceNode(int alpha, int beta, int ply, int qdepth, const VitalAttacks& attacks);
    int ChildScore(Move m, int depth, int alpha, int beta, int ply, bool nullAllowed);
    std::optional<int> TableCutoff(const TtEntry& e, int depth, int alpha, int beta, int ply) const;
    int NullMoveScore(int depth, int beta, int ply);
    int ZeroWindowFirst(Move m, int depth, int reduction, int alpha, int beta, int ply);
    int Eval() const;
    void CountNode();
    // This search's nodes and its helpers' (as far as they have told).
    std::uint64_t AllNodes() const;
    bool IsRepetition() const;
    void ScoreMoves(const MoveList& list, Move hashMove, int ply, std::array<int, 1024>& scores);
    void NoteCutoff(Move m, int depth, int ply);
    bool IsCapture(Move m) const;
    void UpdatePv(int ply, Move m);
    void SortLines();
    void KeepUnfinishedBest(SearchResult& result) const;
    void Report(int depth, const InfoSink& info) const;

    TranspositionTable& tt_;
    std::mt19937_64 random_;
    Position pos_;
    bool drops_ = false;
    LevelSettings level_{};
    int multiPv_ = 1;
    bool blind_ = false;  // this move is chosen without looking past the last ply
    std::uint64_t noiseSeed_ = 0;
    int helperIndex_ = 0;  // 0: the main search
    std::atomic<std::uint64_t>* nodeSink_ = nullptr;
    const std::atomic<std::uint64_t>* helperNodes_ = nullptr;
    std::uint64_t nodesSunk_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
    TimeManager time_;
    GoLimits limits_;
    std::uint64_t nodeLimit_ = 0;
    std::vector<std::uint64_t> stack_;
    int nullFloor_ = 0;  // index in stack_ of the position after the last null move
    int clockCountdown_ = 0;
    std::uint64_t nodes_ = 0;
    std::atomic<std::uint64_t> nodesAtLastLook_{0};
    int rootDepth_ = 0;
    int selDepth_ = 0;
    bool aborted_ = false;
    MoveList rootMoves_;
    std::array<Line, kMaxMultiPv> lines_{};
    std::array<std::array<Move, 2>, kMaxPly> killers_{};
    std::array<std::array<int, 81>, 90> history_{};
    std::array<std::array<Move, kMaxPly>, kMaxPly> pv_{};
    std::array<int, kMaxPly> pvLength_{};
};

}  // namespace torvane::engine
