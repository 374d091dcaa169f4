// The engine's move generator, end-of-game test and position strings against the core's own
// rules and position strings, on positions reached by random play. The engine links none of
// the core's libraries, so its letters and start position are its own; here they are held to
// the core's.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "RandomGames.h"
#include "rules/Cell.h"
#include "rules/MovementRules.h"
#include "rules/PieceKind.h"
#include "rules/Sfen.h"
#include "rules/StartBoard.h"

namespace torvane::engine {
namespace {

constexpr int kCoreKind[kKindCount] = {torvane::Rat,     torvane::Dog,       torvane::Wolf,
                                       torvane::Leopard, torvane::Crocodile, torvane::Bear,
                                       torvane::Tiger,   torvane::Lion,      torvane::Elephant};

const char* TagOf(Color c) {
    return c == Sente ? "1" : "2";
}

BoardCells ToCore(const Position& pos) {
    BoardCells cells{};
    for (int sq = 0; sq < kSquares; ++sq) {
        Piece p = pos.At(sq);
        if (p == kEmpty) continue;
        cells[sq].Tag = TagOf(ColorOf(p));
        cells[sq].Kind = kCoreKind[KindOf(p)];
    }
    return cells;
}

Side SideOf(Color c) {
    return c == Sente ? Side::Sente : Side::Gote;
}

BoardPosition ToCorePosition(const Position& pos) {
    BoardPosition core{ToCore(pos)};
    for (Color c : {Sente, Gote})
        for (int kind = 0; kind < kKindCount; ++kind)
            core.InHand(SideOf(c), kCoreKind[kind]) = pos.InHand(c, kind);
    core.toMove = SideOf(pos.SideToMove());
    core.moveNumber = pos.MoveNumber();
    return core;
}

// The engine's string, read by the core, is the core's view of the position; the core's string
// of that, read by the engine, is the engine's position again.
void ExpectSamePositionStrings(const Position& pos) {
    BoardPosition core;
    std::optional<std::string> why = ReadSfen(FormatSfen(pos), core);
    ASSERT_FALSE(why) << *why << ": " << FormatSfen(pos);
    ASSERT_EQ(core, ToCorePosition(pos)) << FormatSfen(pos);
    Position back;
    std::string error;
    ASSERT_TRUE(ParseSfen(WriteSfen(core), back, error)) << error << ": " << WriteSfen(core);
    ASSERT_EQ(back, pos) << WriteSfen(core);
}

// The moves the core's rules allow the side to move: every reachable cell of every own piece,
// and with drops every kind in hand on every empty cell.
std::set<Move> CoreMoves(const Position& pos, bool drops) {
    BoardCells cells = ToCore(pos);
    std::set<Move> moves;
    const char* tag = TagOf(pos.SideToMove());
    for (int from = 0; from < kCellCount; ++from) {
        if (cells[from].Tag != tag) continue;
        for (int to : ReachableCells(cells, from)) moves.insert(StepMove(from, to));
    }
    for (int kind = 0; drops && kind < kKindCount; ++kind) {
        if (pos.InHand(pos.SideToMove(), kind) == 0) continue;
        for (int to = 0; to < kCellCount; ++to)
            if (cells[to].Tag == "0") moves.insert(DropMove(kind, to));
    }
    return moves;
}

// The core moves a piece by copying it onto the target and clearing the origin.
BoardCells CoreAfter(BoardCells cells, Move m, Color side) {
    if (IsDrop(m)) {
        cells[ToOf(m)] = Cell{0, TagOf(side), kCoreKind[DropKindOf(m)], 0};
    } else {
        CopyPiece(cells[FromOf(m)], cells[ToOf(m)]);
        Clear(cells[FromOf(m)]);
    }
    return cells;
}

void ExpectSameRules(const Position& pos, bool drops) {
    MoveList list;
    GenerateMoves(pos, drops, list);
    std::set<Move> engine(list.begin(), list.end());
    ASSERT_EQ(engine.size(), static_cast<std::size_t>(list.size)) << "duplicate moves";
    ASSERT_EQ(engine, CoreMoves(pos, drops)) << FormatSfen(pos);
    ASSERT_EQ(CountMoves(pos, drops), list.size);

    BoardCells cells = ToCore(pos);
    for (Color c : {Sente, Gote})
        ASSERT_EQ(pos.HasLost(c), !HasElephantAndRat(cells, TagOf(c))) << FormatSfen(pos);

    MoveList captures;
    GenerateCaptures(pos, captures);
    for (int i = 0; i < list.size; ++i) {
        Move m = list.moves[i];
        bool coreCapture = !IsDrop(m) && StepVerdict(cells, FromOf(m), ToOf(m)) == Verdict::Capture;
        bool listed = std::find(captures.begin(), captures.end(), m) != captures.end();
        ASSERT_EQ(listed, coreCapture) << MoveName(m);
        if (IsDrop(m) && i % 16 != 0) continue;  // drops differ only in kind and cell
        Position next = pos;
        Undo undo;
        next.Make(m, undo);
        ASSERT_EQ(ToCore(next), CoreAfter(cells, m, pos.SideToMove())) << MoveName(m);
    }
}

TEST(DifferentialAgainstCoreRules, CaptureRuleForEveryPairOfKinds) {
    for (int mover = 0; mover < kKindCount; ++mover)
        for (int target = 0; target < kKindCount; ++target)
            EXPECT_EQ(CanCapture(mover, target),
                      torvane::CanCapture(kCoreKind[mover], kCoreKind[target]))
                << mover << " takes " << target;
}

TEST(DifferentialAgainstCoreRules, StartPositionIsTheCoresStartBoard) {
    EXPECT_EQ(kStartSfen, WriteSfen(BoardPosition{StartBoard()}));
}

void RunGames(bool drops, int games, unsigned seed) {
    std::mt19937 random(seed);
    int decided = 0;
    for (int g = 0; g < games; ++g) {
        for (const Position& pos : testing::RandomGame(random, 1000, drops)) {
            ExpectSameRules(pos, drops);
            ExpectSamePositionStrings(pos);
            if (::testing::Test::HasFatalFailure()) return;
            decided += pos.IsDecided();
        }
    }
    // Random games must also reach the end, or the end-of-game comparison proved nothing.
    EXPECT_GT(decided, games / 2);
}

TEST(DifferentialAgainstCoreRules, RandomGamesWithoutDrops) {
    RunGames(false, 60, 11);
}

TEST(DifferentialAgainstCoreRules, RandomGamesWithDrops) {
    RunGames(true, 40, 12);
}

// Captures and hands: a capture moves the piece to the capturer's hand until it holds 18.
TEST(DifferentialAgainstCoreRules, HandsCountEveryCaptureUpToEighteen) {
    std::mt19937 random(13);
    for (int g = 0; g < 30; ++g) {
        std::vector<Position> game = testing::RandomGame(random, 400, false);
        for (std::size_t i = 1; i < game.size(); ++i) {
            const Position &before = game[i - 1], &after = game[i];
            Color mover = before.SideToMove();
            int lostByEnemy = 0;
            for (int k = 0; k < kKindCount; ++k)
                lostByEnemy +=
                    before.OnBoard(Opponent(mover), k) - after.OnBoard(Opponent(mover), k);
            int expected = std::min(18, before.HandTotal(mover) + lostByEnemy);
            ASSERT_EQ(after.HandTotal(mover), expected);
        }
    }
}

}  // namespace
}  // namespace torvane::engine
