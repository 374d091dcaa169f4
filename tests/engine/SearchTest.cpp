#include <gtest/gtest.h>

#include "engine/Evaluation.h"
#include "engine/MoveGen.h"
#include "engine/Search.h"
#include "engine/Sfen.h"

namespace torvane::engine {
namespace {

SearchResult Think(const char* sfen, int depth, int level = kMaxLevel) {
    SearchRequest request;
    std::string error;
    EXPECT_TRUE(ParseSfen(sfen, request.position, error)) << error;
    request.limits.depth = depth;
    request.level = level;
    TranspositionTable tt(1);
    Search search(tt, 5);
    std::atomic<bool> stop{false};
    return search.Run(request, stop, [](const std::string&) {});
}

// Can the side to move take the enemy Elephant or last Rat at once?
bool CanWinAtOnce(const Position& pos) {
    MoveList captures;
    GenerateCaptures(pos, captures);
    for (Move m : captures) {
        Position next = pos;
        Undo undo;
        next.Make(m, undo);
        if (next.IsDecided()) return true;
    }
    return false;
}

TEST(Search, TakesTheElephantOrTheLastRatWhenItCan) {
    // The Rat on 6d takes the Elephant on 5e; the Lion on 5b takes the last Rat on 4a.
    EXPECT_EQ(MoveName(Think("8r/9/9/3R5/4e4/9/9/9/4E4 b - 1", 4).best), "6d5e");
    SearchResult r = Think("5r3/4L4/9/9/e8/9/9/9/3RE4 b - 1", 4);
    EXPECT_EQ(MoveName(r.best), "5b4a");
    EXPECT_GT(r.score, kWin - 10);
}

// Gote threatens Sente's Elephant or last Rat: every level except the deliberately erring ones
// (those that choose some moves blind) must answer so that Gote cannot win at once.
TEST(Search, DefendsTheElephantAndTheLastRat) {
    const char* threats[] = {
        "4e4/9/9/4rl3/4E4/9/9/9/R8 b - 1",
        "r3e4/9/9/9/9/9/2l6/1R7/4E4 b - 1",
        "e8/9/9/9/9/5r3/4E4/9/r3R4 b 2L 1",
    };
    for (const char* sfen : threats) {
        for (int level = kMinLevel; level <= kMaxLevel; ++level) {
            if (SettingsOfLevel(level).blindPercent > 0) continue;
            SearchResult r = Think(sfen, 4, level);
            Position pos;
            std::string error;
            ASSERT_TRUE(ParseSfen(sfen, pos, error));
            ASSERT_TRUE(FindLegalMove(pos, false, MoveName(r.best))) << sfen;
            Undo undo;
            pos.Make(r.best, undo);
            EXPECT_FALSE(CanWinAtOnce(pos))
                << sfen << " level " << level << " " << MoveName(r.best);
        }
    }
}

// Every move of Sente, a Lion up, leads to a position the game has already seen with the same
// side to move: each is a draw, so the search scores the position 0. Without that history it
// scores Sente's extra Lion.
TEST(Search, PositionsOfTheGamesHistoryAreDraws) {
    SearchRequest request;
    std::string error;
    ASSERT_TRUE(ParseSfen("r3e4/9/9/9/9/9/9/9/R3E3L b - 1", request.position, error)) << error;
    request.limits.depth = 5;
    TranspositionTable tt(1);
    Search search(tt, 5);
    std::atomic<bool> stop{false};
    auto quiet = [](const std::string&) {};
    EXPECT_GT(search.Run(request, stop, quiet).score, 300);

    // The game's positions alternate sides: each reached position, then one of the other side.
    MoveList list;
    GenerateMoves(request.position, false, list);
    for (Move m : list) {
        Position next = request.position;
        Undo undo;
        next.Make(m, undo);
        request.history.push_back(1000 + request.history.size());
        request.history.push_back(next.Hash());
    }
    tt.Clear();
    EXPECT_EQ(search.Run(request, stop, quiet).score, 0);
}

TEST(Search, NoMoveWhenTheGameIsOverOrNothingCanMove) {
    EXPECT_EQ(Think("4e4/9/9/9/9/9/9/9/4E4 b - 1", 3).best, kNoMove);  // no Rats
    // Sente's Rat on 9a is boxed in by Dogs, its Elephant on 1a by Rats it may not take.
    EXPECT_EQ(Think("Rd5rE/dd5rr/9/9/9/9/9/9/4e4 b - 1", 3).best, kNoMove);
}

// A position typed by hand may hold more Rats than a game has; the evaluation once kept the
// squares of four only and wrote past them (found by the USI fuzzer). A position that is the same
// with the colours swapped and the board turned scores only the side to move's tempo, and the
// search still finds a legal move.
TEST(Evaluation, MoreRatsThanAGameHasAreScoredLikeAnyOtherPosition) {
    const char* sfen = "rrrrerrrr/rrr3rrr/9/9/9/9/9/RRR3RRR/RRRRERRRR b - 1";
    Position pos;
    std::string error;
    ASSERT_TRUE(ParseSfen(sfen, pos, error)) << error;
    EXPECT_EQ(Evaluate(pos, false), WeightsFor(false)[kTempo]);
    SearchResult result = Think(sfen, 2);
    EXPECT_TRUE(FindLegalMove(pos, false, MoveName(result.best)));
}

}  // namespace
}  // namespace torvane::engine
