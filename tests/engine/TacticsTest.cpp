// The search against a brute-force solver of short wins, on positions from strings and on
// random crowded positions: what the solver proves, the search must find; what it claims, the
// solver must prove.
#include <gtest/gtest.h>

#include <random>

#include "engine/MoveGen.h"
#include "engine/Search.h"
#include "engine/Sfen.h"

namespace torvane::engine {
namespace {

Position Parse(const char* sfen) {
    Position pos;
    std::string error;
    EXPECT_TRUE(ParseSfen(sfen, pos, error)) << sfen << ": " << error;
    return pos;
}

Position After(Position pos, Move m) {
    Undo undo;
    pos.Make(m, undo);
    return pos;
}

std::vector<Move> Moves(const Position& pos, bool drops) {
    MoveList list;
    GenerateMoves(pos, drops, list);
    return {list.begin(), list.end()};
}

// Can the side to move win within `moves` of its own moves whatever the other side does? A
// side wins by taking the enemy Elephant or last Rat, or when the other side has no move.
// Plain minimax over every legal move, sharing nothing with the search but the move generator.
bool WinsWithin(const Position& pos, int moves, bool drops);

bool EveryReplyLoses(const Position& pos, int moves, bool drops) {
    if (pos.HasLost(pos.SideToMove())) return true;
    for (Move r : Moves(pos, drops))
        if (!WinsWithin(After(pos, r), moves, drops)) return false;
    return true;
}

bool WinsWithin(const Position& pos, int moves, bool drops) {
    if (moves == 0 || pos.HasLost(pos.SideToMove())) return false;
    for (Move m : Moves(pos, drops))
        if (EveryReplyLoses(After(pos, m), moves - 1, drops)) return true;
    return false;
}

// Moves after which the opponent cannot win at once.
std::vector<Move> SafeMoves(const Position& pos, bool drops) {
    std::vector<Move> safe;
    for (Move m : Moves(pos, drops)) {
        Position next = After(pos, m);
        if (next.HasLost(next.SideToMove()) || !WinsWithin(next, 1, drops)) safe.push_back(m);
    }
    return safe;
}

SearchResult Think(const Position& pos, bool drops, int depth) {
    SearchRequest request;
    request.position = pos;
    request.drops = drops;
    request.limits.depth = depth;
    TranspositionTable tt(1);
    Search search(tt, 7);
    std::atomic<bool> stop{false};
    return search.Run(request, stop, [](const std::string&) {});
}

// Does every move of the side to move allow the opponent a win in two that starts with an
// attack on the mover's Elephant or last Rat (or a win at once)? Such a loss is seen by a
// one-ply search through its quiescence search alone.
bool LosesToAThreat(const Position& pos, bool drops) {
    for (Move m : Moves(pos, drops)) {
        Position next = After(pos, m);
        if (next.HasLost(next.SideToMove())) return false;
        bool lost = false;
        for (Move t : Moves(next, drops)) {
            Position threatened = After(next, t);
            Position passed = threatened;
            passed.SetSideToMove(next.SideToMove());
            bool attacks =
                threatened.HasLost(threatened.SideToMove()) || WinsWithin(passed, 1, drops);
            if (attacks && EveryReplyLoses(threatened, 1, drops)) {
                lost = true;
                break;
            }
        }
        if (!lost) return false;
    }
    return true;
}

// A win within `moves` own moves scores at least this much.
int WinScore(int moves) {
    return kWin - (2 * moves - 1);
}

bool Contains(const std::vector<Move>& moves, Move m) {
    return std::find(moves.begin(), moves.end(), m) != moves.end();
}

struct Tactic {
    const char* sfen;
    bool drops;
    int winIn;  // own moves to a forced win; 0: the side to move must defend
};

// Each claim is checked by the solver before the search is asked. Besides the two built by
// hand, they were picked from random crowded positions for being hard in the way named.
const Tactic kTactics[] = {
    // Wins in one: the Rat on 6d takes the Elephant; the Lion takes the last Rat.
    {"8r/9/9/3R5/4e4/9/9/9/4E4 b - 1", false, 1},
    {"5r3/4L4/9/9/e8/9/9/9/3RE4 b - 1", false, 1},
    // Wins in two and three moves.
    {"9/9/2e6/2r1ER3/2w6/2Lr1d3/9/9/9 w - 1", false, 2},
    {"9/9/9/3ETR3/3R1d3/4r1r2/3e5/9/9 w - 1", false, 2},
    {"9/9/e8/rrBE5/9/1RR6/9/9/9 b - 1", false, 3},
    {"1lER5/9/1r7/1l1e5/9/9/9/9/9 w - 1", false, 3},
    // Wins in two that start with a drop, and only with one.
    {"2E1b4/1b2e4/9/1rr1R4/9/9/9/9/9 w Tl 1", true, 2},
    {"1e7/9/R1r6/E8/9/9/9/9/9 b Cd 1", true, 2},
    // The only defence of an attacked Elephant or last Rat.
    {"9/9/9/3e1Pr2/3Tp4/3RRE3/3w1r3/9/9 b - 1", false, 0},
    {"9/3R5/2re5/4c4/2ERd4/9/9/9/9 w - 1", false, 0},
    {"9/9/9/9/9/r8/2RE5/9/1Re6 w - 1", false, 0},
    // The last Rat cannot be saved on the board: only a second Rat dropped saves the game.
    {"9/9/9/9/rW1R5/D2p5/e2E5/2R6/9 w Cr 1", true, 0},
    {"9/2r1e4/2c6/2R1r4/1tE6/9/9/9/9 b Rd 1", true, 0},
};

TEST(Tactics, PositionsFromStringsAreSolvedAsTheSolverProves) {
    for (const Tactic& t : kTactics) {
        Position pos = Parse(t.sfen);
        SCOPED_TRACE(t.sfen);
        if (t.winIn > 0) {
            ASSERT_TRUE(WinsWithin(pos, t.winIn, t.drops));
            ASSERT_FALSE(WinsWithin(pos, t.winIn - 1, t.drops));
            SearchResult r = Think(pos, t.drops, 2 * t.winIn);
            EXPECT_EQ(r.score, WinScore(t.winIn)) << MoveName(r.best);
            EXPECT_TRUE(EveryReplyLoses(After(pos, r.best), t.winIn - 1, t.drops))
                << MoveName(r.best);
        } else {
            Position passed = pos;
            passed.SetSideToMove(Opponent(pos.SideToMove()));
            ASSERT_TRUE(WinsWithin(passed, 1, t.drops)) << "nothing is attacked";
            std::vector<Move> safe = SafeMoves(pos, t.drops);
            ASSERT_FALSE(safe.empty());
            if (t.drops)
                ASSERT_TRUE(
                    std::all_of(safe.begin(), safe.end(), [](Move m) { return IsDrop(m); }));
            else
                ASSERT_EQ(safe.size(), 1u);
            for (int depth = 1; depth <= 4; ++depth)
                EXPECT_TRUE(Contains(safe, Think(pos, t.drops, depth).best)) << "depth " << depth;
        }
    }
}

// A crowded corner: both sides' Elephant, one or two Rats and a few other pieces in one 4 x 4
// block, so that attacks on the vital pieces are everywhere; with drops, a piece or two in hand.
Position RandomCrowdedPosition(std::mt19937& random, bool drops) {
    while (true) {
        Position pos;
        pos.Clear();
        int corner = static_cast<int>(random() % 6) * 9 + static_cast<int>(random() % 6);
        std::vector<int> cells;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) cells.push_back(corner + 9 * r + c);
        std::shuffle(cells.begin(), cells.end(), random);
        std::size_t next = 0;
        for (Color side : {Sente, Gote}) {
            pos.Put(cells[next++], MakePiece(side, Elephant));
            for (unsigned i = 0, n = static_cast<unsigned>(1 + random() % 2); i < n; ++i)
                pos.Put(cells[next++], MakePiece(side, Rat));
            for (unsigned i = 0, n = static_cast<unsigned>(random() % 3); i < n; ++i)
                pos.Put(cells[next++], MakePiece(side, 1 + static_cast<int>(random() % 7)));
            if (drops) pos.SetHand(side, static_cast<int>(random() % 8), 1);
        }
        pos.SetSideToMove(random() % 2 ? Sente : Gote);
        if (!pos.IsDecided() && !Moves(pos, drops).empty()) return pos;
    }
}

// Every win in one or two the solver finds, the search finds at depth 4 with the fastest score;
// every defence of an attacked Elephant or last Rat that exists, it plays; it never claims a
// win in two that is not there; and a loss to a threat is seen at depth 1, where only the
// quiescence search can see it. The counts keep the positions from becoming too easy to test
// anything.
TEST(Tactics, RandomCrowdedPositionsAgreeWithTheSolver) {
    for (bool drops : {false, true}) {
        std::mt19937 random(drops ? 11 : 12);
        int winsInTwo = 0, defences = 0, losses = 0;
        for (int i = 0; i < 800; ++i) {
            Position pos = RandomCrowdedPosition(random, drops);
            SCOPED_TRACE(FormatSfen(pos));
            SearchResult r = Think(pos, drops, 4);
            ASSERT_TRUE(Contains(Moves(pos, drops), r.best));
            bool inOne = WinsWithin(pos, 1, drops);
            bool inTwo = inOne || WinsWithin(pos, 2, drops);
            if (inTwo) {
                EXPECT_GE(r.score, WinScore(inOne ? 1 : 2)) << MoveName(r.best);
                EXPECT_TRUE(EveryReplyLoses(After(pos, r.best), inOne ? 0 : 1, drops))
                    << MoveName(r.best);
                winsInTwo += !inOne;
                continue;
            }
            EXPECT_LT(r.score, WinScore(2)) << MoveName(r.best);
            if (LosesToAThreat(pos, drops)) {
                EXPECT_LE(Think(pos, drops, 1).score, -(kWin - 4));
                ++losses;
            }
            std::vector<Move> safe = SafeMoves(pos, drops);
            if (safe.empty() || safe.size() == Moves(pos, drops).size()) continue;
            EXPECT_TRUE(Contains(safe, r.best)) << MoveName(r.best);
            ++defences;
        }
        EXPECT_GE(winsInTwo, 10) << "drops " << drops;
        EXPECT_GE(defences, 20) << "drops " << drops;
        EXPECT_GE(losses, 10) << "drops " << drops;
    }
}

}  // namespace
}  // namespace torvane::engine
