#include <gtest/gtest.h>

#include "engine/MoveGen.h"
#include "engine/Perft.h"
#include "engine/Sfen.h"

namespace torvane::engine {
namespace {

Position Parse(const char* sfen) {
    Position pos;
    std::string error;
    EXPECT_TRUE(ParseSfen(sfen, pos, error)) << error;
    return pos;
}

// A slow tree walk that plays every move, for comparison with the bulk-counting Perft.
std::uint64_t PlayedLeaves(Position& pos, int depth, bool drops) {
    if (pos.IsDecided()) return 0;
    if (depth == 0) return 1;
    MoveList list;
    GenerateMoves(pos, drops, list);
    std::uint64_t n = 0;
    for (Move m : list) {
        Undo undo;
        pos.Make(m, undo);
        n += pos.IsDecided() ? 1 : PlayedLeaves(pos, depth - 1, drops);
        pos.Unmake(m, undo);
    }
    return n;
}

TEST(Perft, StartPositionWithoutDrops) {
    Position pos = StartPosition();
    const std::uint64_t expected[] = {69, 4'761, 329'475, 22'792'549, 1'580'749'021};
    for (int depth = 1; depth <= 5; ++depth)
        EXPECT_EQ(Perft(pos, depth, false), expected[depth - 1]) << "depth " << depth;
    EXPECT_EQ(FormatSfen(pos), kStartSfen);
}

// With empty hands drops change nothing; the divide adds up to the total.
TEST(Perft, DropsNeedPiecesInHandAndDivideSumsToTotal) {
    Position pos = StartPosition();
    EXPECT_EQ(Perft(pos, 3, true), Perft(pos, 3, false));
    std::uint64_t sum = 0;
    for (auto [move, count] : PerftDivide(pos, 3, false)) sum += count;
    EXPECT_EQ(sum, 329'475u);
}

// Positions with hands: drops on any empty cell, captures into a hand, and a game that ends
// inside the tree (the Elephant on 5e can be taken by the Rat on 4d).
TEST(Perft, PositionsWithHandsAndDrops) {
    struct Case {
        const char* sfen;
        bool drops;
        std::uint64_t depth1, depth2, depth3;
    } cases[] = {
        {"cwpr1rpwb/4l4/1t5t1/d1d1d1d1d/4e4/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b 2DRd 9", true, 162,
         19'820, 2'948'805},
        {"4e4/9/9/3r5/4E4/9/9/9/4R4 w Ll 20", true, 90, 7'845, 226'622},
        {"4e4/9/9/3r5/4E4/9/9/9/4R4 w - 20", false, 13, 150, 2'046},
    };
    for (const Case& c : cases) {
        Position pos = Parse(c.sfen);
        const std::uint64_t expected[] = {c.depth1, c.depth2, c.depth3};
        for (int depth = 1; depth <= 3; ++depth) {
            Position copy = pos;
            std::uint64_t played = PlayedLeaves(copy, depth, c.drops);
            EXPECT_EQ(played, expected[depth - 1]) << c.sfen << " depth " << depth;
            EXPECT_EQ(Perft(pos, depth, c.drops), played) << c.sfen << " depth " << depth;
            EXPECT_EQ(copy, pos);
        }
    }
}

TEST(Perft, DecidedPositionHasNoMoves) {
    Position pos = Parse("4e4/9/9/9/9/9/9/9/4R4 b - 1");  // Gote has no Rat
    EXPECT_EQ(Perft(pos, 1, false), 0u);
    EXPECT_TRUE(PerftDivide(pos, 2, false).empty());
}

}  // namespace
}  // namespace torvane::engine
