#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ScriptedShell.h"
#include "rules/MovementRules.h"
#include "rules/PieceKind.h"

using namespace torvane;

TEST(CanCapture, StrengthWithTheRatAndElephantExceptions) {
    EXPECT_FALSE(CanCapture(Elephant, Rat));
    EXPECT_TRUE(CanCapture(Rat, Elephant));
    EXPECT_TRUE(CanCapture(Elephant, Lion));
    EXPECT_FALSE(CanCapture(Lion, Elephant));
    EXPECT_FALSE(CanCapture(Rat, Dog));
    for (PieceKind k : kAllKinds) EXPECT_TRUE(CanCapture(k, k)) << k;
}

TEST(StepVerdict, OwnEmptyTakeableAndUntakeable) {
    LocalGame g;
    g.ClearBoard();
    g.Put(40, Elephant, "1");
    g.Put(31, Rat, "2");
    g.Put(32, Lion, "2");
    g.Put(39, Dog, "1");
    EXPECT_EQ(StepVerdict(g.game.Squares(), 40, 31), Verdict::Forbidden);
    EXPECT_EQ(StepVerdict(g.game.Squares(), 40, 32), Verdict::Capture);
    EXPECT_EQ(StepVerdict(g.game.Squares(), 40, 39), Verdict::Blocked);
    EXPECT_EQ(StepVerdict(g.game.Squares(), 40, 41), Verdict::Free);
    EXPECT_EQ(StepVerdict(g.game.Squares(), 31, 40), Verdict::Capture);
    EXPECT_EQ(StepVerdict(g.game.Squares(), 32, 40), Verdict::Forbidden);
}

TEST(ReachableCells, SurroundedByOwnPiecesHasNone) {
    LocalGame g;
    EXPECT_TRUE(ReachableCells(g.game.Squares(), 76).size() == 2u);  // Elephant: 66 and 68
    g.ClearBoard();
    g.Put(0, Tiger, "2");
    g.Put(1, Dog, "2");
    g.Put(9, Dog, "2");
    g.Put(10, Dog, "2");
    EXPECT_TRUE(ReachableCells(g.game.Squares(), 0).empty());
}

TEST(ReachableCells, MirroredPositionGivesMirroredResult) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        LocalGame g, m;
        g.ClearBoard();
        m.ClearBoard();
        for (int i = 0; i < kCellCount; ++i) {
            int r = rng() % 4;
            if (r == 0) continue;
            PieceKind kind = kAllKinds[rng() % 9];
            const char* tag = r == 1 ? "1" : "2";
            const char* mirrored = r == 1 ? "2" : "1";
            g.Put(i, kind, tag);
            m.Put(80 - i, kind, mirrored);
        }
        int from = static_cast<int>(rng() % kCellCount);
        std::vector<int> a = ReachableCells(g.game.Squares(), from);
        std::vector<int> b = ReachableCells(m.game.Squares(), 80 - from);
        for (int& c : b) c = 80 - c;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        if (g.game.Squares()[from].Tag != "0") {
            EXPECT_EQ(a, b);
        }
    }
}

// The range display, the drop and the rule book must give the same answer on every board:
// a drop moves the piece exactly when the target is reachable.
TEST(ReachableCells, AgreeWithTheDropAndTheGhostsOnRandomBoards) {
    std::mt19937 rng(2024);
    int moves = 0;
    for (int round = 0; round < 400; ++round) {
        LocalGame g;
        g.ClearBoard();
        for (int i = 0; i < kCellCount; ++i) {
            int r = static_cast<int>(rng() % 3);
            if (r) g.Put(i, kAllKinds[rng() % 9], r == 1 ? "1" : "2");
        }
        // Both sides keep an Elephant and two Rats off the tested area, so no drop ends the game.
        g.Put(0, Elephant, "1");
        g.Put(2, Rat, "1");
        g.Put(4, Rat, "1");
        g.Put(6, Elephant, "2");
        g.Put(8, Rat, "2");
        g.Put(78, Rat, "2");
        int from = 30 + static_cast<int>(rng() % 40);
        if (g.game.Squares()[from].Tag == "0") g.Put(from, kAllKinds[rng() % 9], "1");
        SetToMove(g.game, g.game.Squares()[from].Tag == "1" ? Side::Sente : Side::Gote);
        std::vector<int> reach = ReachableCells(g.game.Squares(), from);

        BoardCells before = g.game.Squares();
        g.game.BoardPickUp(from, MouseButton::Left);
        for (int n = 0; n < kCellCount; ++n) {
            bool ghost = g.game.Squares()[n].Picture != before[n].Picture;
            bool reachable = std::find(reach.begin(), reach.end(), n) != reach.end();
            EXPECT_EQ(ghost, reachable) << "cell " << n << " from " << from;
        }
        auto step = NeighbourCell(from, kAllDirections[rng() % 8]);
        int to = step && rng() % 4 ? *step : static_cast<int>(rng() % kCellCount);
        g.game.Image1_DragDrop(to);
        bool moved = g.game.Squares() != before;
        bool reachable = std::find(reach.begin(), reach.end(), to) != reach.end();
        EXPECT_EQ(moved, reachable) << from << "->" << to;
        moves += moved;
    }
    EXPECT_GT(moves, 5);
}
