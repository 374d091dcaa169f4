#include <gtest/gtest.h>

#include "ScriptedShell.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

std::vector<int> ChangedCells(const BoardCells& before, const BoardCells& after) {
    std::vector<int> cells;
    for (int i = 0; i < kCellCount; ++i)
        if (!(before[i] == after[i])) cells.push_back(i);
    return cells;
}

}  // namespace

TEST(RangeDisplay, SentesElephantAtTheStartCoversExactly66And68) {
    LocalGame g;
    BoardCells before = g.game.Squares();
    g.game.BoardPickUp(76, MouseButton::Left);
    EXPECT_EQ(ChangedCells(before, g.game.Squares()), (std::vector<int>{66, 68}));
    EXPECT_EQ(g.game.Squares()[66].Picture, 106);
    // Only the picture changes: the rules still see an empty cell.
    EXPECT_EQ(g.game.Squares()[66].Tag, "0");
    EXPECT_EQ(g.game.Squares()[66].Kind, 0);
    g.game.DropElsewhere();
    EXPECT_EQ(g.game.Squares(), before);
    EXPECT_EQ(g.shell.dragsEnded, 1);
}

TEST(RangeDisplay, GotesPiecesShowTheInvertedRedGhost) {
    LocalGame g;
    SetToMove(g.game, Side::Gote);
    g.game.BoardPickUp(4, MouseButton::Left);
    EXPECT_EQ(g.game.Squares()[14].Picture, 173);
}

TEST(RangeDisplay, RatCoversTheEnemyElephantButElephantLeavesTheRat) {
    LocalGame g;
    g.ClearBoard();
    g.Put(40, Rat, "1");
    g.Put(31, Elephant, "2");
    g.Put(50, Rat, "2");
    g.Put(49, Elephant, "1");
    BoardCells before = g.game.Squares();
    g.game.BoardPickUp(40, MouseButton::Left);
    EXPECT_EQ(g.game.Squares()[31].Picture, 107);
    EXPECT_EQ(g.game.Squares()[49].Picture, before[49].Picture);  // own piece
    g.game.Image1_DragDrop(40);
    EXPECT_EQ(g.game.Squares(), before);

    g.game.BoardPickUp(49, MouseButton::Left);
    EXPECT_EQ(g.game.Squares()[50].Picture, before[50].Picture);
    EXPECT_EQ(g.game.Squares()[40].Picture, before[40].Picture);
    g.game.DropElsewhere();
    EXPECT_EQ(g.game.Squares(), before);

    // The Rat left unmarked is forgotten with the range: a Dog the Elephant may take there is
    // marked next time and gets its own picture back.
    g.Put(50, Dog, "2");
    before = g.game.Squares();
    g.game.BoardPickUp(49, MouseButton::Left);
    EXPECT_NE(g.game.Squares()[50].Picture, before[50].Picture);
    g.game.DropElsewhere();
    EXPECT_EQ(g.game.Squares(), before);
}

TEST(RangeDisplay, CornersAndEdgesNeverTouchCellsAcrossTheEdge) {
    for (int corner : {8, 72, 36, 44, 0, 80}) {
        LocalGame g;
        g.ClearBoard();
        for (int i = 0; i < kCellCount; ++i) g.Put(i, Dog, "2");
        g.Put(corner, Lion, "1");
        BoardCells before = g.game.Squares();
        g.game.BoardPickUp(corner, MouseButton::Left);
        std::vector<int> changed = ChangedCells(before, g.game.Squares());
        std::vector<int> expected;
        for (StepDirection d : kAllDirections)
            if (auto n = NeighbourCell(corner, d)) expected.push_back(*n);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(changed, expected) << corner;
        g.game.DropElsewhere();
        EXPECT_EQ(g.game.Squares(), before) << corner;
    }
}

TEST(RangeDisplay, OffMeansNoPictureChangesBetweenPressAndDrop) {
    LocalGame g;
    ChangeSettings(g.game, [](SettingsChoice& c) { c.rangeDisplay = false; });
    BoardCells before = g.game.Squares();
    g.game.BoardPickUp(76, MouseButton::Left);
    EXPECT_EQ(g.game.Squares(), before);
    EXPECT_FALSE(g.game.RangeOnDisplay());
    g.game.Image1_DragDrop(66);
    EXPECT_EQ(g.game.Squares()[66].Kind, Elephant);
}

TEST(RangeDisplay, ADropElsewhereEndsTheDragAndKeepsTheTurn) {
    LocalGame g;
    BoardCells before = g.game.Squares();
    g.game.BoardPickUp(45, MouseButton::Left);
    g.game.DropElsewhere();
    EXPECT_EQ(g.game.Squares(), before);
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
    EXPECT_EQ(g.shell.dragsEnded, 1);
    // The piece is no longer held: a drop on a cell it could reach moves nothing.
    g.game.Image1_DragDrop(36);
    EXPECT_EQ(g.game.Squares(), before);
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
}
