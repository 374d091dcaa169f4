#include <gtest/gtest.h>

#include "RandomGames.h"
#include "engine/Sfen.h"
#include "rules/Sfen.h"
#include "rules/StartBoard.h"

namespace torvane::engine {
namespace {

Position Reparsed(const Position& pos) {
    Position out;
    std::string error;
    EXPECT_TRUE(ParseSfen(FormatSfen(pos), out, error)) << error << ": " << FormatSfen(pos);
    return out;
}

// What Position keeps up to date as pieces move, compared with a position built afresh.
::testing::AssertionResult SameKeptState(const Position& pos, const Position& fresh) {
    if (pos.Hash() != fresh.Hash()) return ::testing::AssertionFailure() << "hash";
    for (Color c : {Sente, Gote}) {
        if (pos.Mobility(c) != fresh.Mobility(c))
            return ::testing::AssertionFailure()
                   << "mobility of " << c << ": " << pos.Mobility(c) << " vs " << fresh.Mobility(c);
        for (int kind = 0; kind < kKindCount; ++kind)
            if (!(pos.Cells(c, kind) == fresh.Cells(c, kind)) ||
                pos.OnlyCell(c, kind) != fresh.OnlyCell(c, kind))
                return ::testing::AssertionFailure() << "cells of kind " << kind << " of " << c;
    }
    return ::testing::AssertionSuccess();
}

// Every move of every position of random games, with and without drops: Make gives the
// position, hash, mobility and piece cells that a fresh parse of its string gives, and Unmake
// restores all of them exactly.
TEST(PositionProperty, MakeUnmakeKeepEveryCountAsAFreshParseWould) {
    std::mt19937 random(21);
    for (int g = 0; g < 40; ++g) {
        bool drops = g % 2 == 1;
        for (Position pos : testing::RandomGame(random, 250, drops)) {
            const Position before = pos;
            ASSERT_TRUE(SameKeptState(before, Reparsed(before))) << FormatSfen(before);
            MoveList list;
            GenerateMoves(pos, drops, list);
            for (Move m : list) {
                Undo undo;
                pos.Make(m, undo);
                ASSERT_TRUE(SameKeptState(pos, Reparsed(pos)))
                    << FormatSfen(before) << " " << MoveName(m);
                pos.Unmake(m, undo);
                ASSERT_EQ(pos, before) << MoveName(m);
                ASSERT_TRUE(SameKeptState(pos, before)) << FormatSfen(before) << " " << MoveName(m);
            }
        }
    }
}

// Random boards, hands and sides, not only those reachable by play.
Position RandomPosition(std::mt19937& random) {
    auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    Position pos;
    for (int sq = 0; sq < kSquares; ++sq)
        if (below(3) == 0) pos.Put(sq, MakePiece(Color(below(2)), below(kKindCount)));
    for (Color c : {Sente, Gote})
        for (int n = below(19); n > 0; --n) {
            int kind = below(kKindCount);
            pos.SetHand(c, kind, pos.InHand(c, kind) + 1);
        }
    pos.SetSideToMove(Color(below(2)));
    pos.SetMoveNumber(1 + below(500));
    return pos;
}

TEST(SfenProperty, FormatThenParseGivesTheSamePositionAndHash) {
    std::mt19937 random(22);
    for (int i = 0; i < 3000; ++i) {
        Position pos = RandomPosition(random);
        Position back = Reparsed(pos);
        ASSERT_EQ(back, pos) << FormatSfen(pos);
        ASSERT_EQ(back.Hash(), pos.Hash());
    }
    for (const Position& pos : testing::RandomGame(random, 300, true))
        ASSERT_EQ(Reparsed(pos), pos) << FormatSfen(pos);
}

TEST(Sfen, HandsAreWrittenStrongestFirstWithCounts) {
    Position pos;
    std::string error;
    ASSERT_TRUE(ParseSfen("4e4/9/9/9/9/9/9/9/4E4 w R2De 31", pos, error)) << error;
    EXPECT_EQ(pos.InHand(Sente, Dog), 2);
    EXPECT_EQ(pos.InHand(Sente, Rat), 1);
    EXPECT_EQ(pos.InHand(Gote, Elephant), 1);
    EXPECT_EQ(FormatSfen(pos), "4e4/9/9/9/9/9/9/9/4E4 w 2DRe 31");
}

TEST(Sfen, MalformedTextIsRejectedAndLeavesThePositionAlone) {
    const char* bad[] = {
        "",
        "xx",
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4 b - 1",              // 8 rows
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC/9 b - 1",  // 10 rows
        "cwprerpwbr/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b - 1",   // 10 cells
        "cwprerpw/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b - 1",     // 8 cells
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWX b - 1",    // letter
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC x - 1",    // side
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b 19D 1",  // hand > 18
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b 9D9R1 1",
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b 2 1",
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b - x",
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b - 99999999999",
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b - 1 extra",
    };
    for (const char* text : bad) {
        Position pos = StartPosition();
        std::string error;
        EXPECT_FALSE(ParseSfen(text, pos, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_EQ(pos, StartPosition()) << text;
        // The core's reader refuses the same text.
        const BoardPosition start{StartBoard()};
        BoardPosition core = start;
        EXPECT_TRUE(ReadSfen(text, core)) << text;
        EXPECT_EQ(core, start) << text;
    }
}

// A capture into a hand of 18 leaves the game; Unmake brings it back to the board.
TEST(Position, CaptureIntoAFullHandLosesThePiece) {
    Position pos;
    std::string error;
    ASSERT_TRUE(ParseSfen("4e4/9/9/3rr4/4D4/9/9/9/4ER3 b 18D 1", pos, error)) << error;
    const Position before = pos;
    Move take = StepMove(40, 30);
    Undo undo;
    pos.Make(take, undo);
    EXPECT_EQ(pos.HandTotal(Sente), 18);
    EXPECT_EQ(pos.OnBoard(Gote, Rat), 1);
    EXPECT_FALSE(pos.IsDecided());
    pos.Unmake(take, undo);
    EXPECT_EQ(pos, before);
}

}  // namespace
}  // namespace torvane::engine
