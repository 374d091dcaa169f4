#include <gtest/gtest.h>

#include "ScriptedShell.h"

using namespace torvane;

class HandDropTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.game.ApplySettings(SettingsChoice{.capturedPieces = true});
        PlaceInHand(g.game, Hand::Image4, 0, Cell{129, "1", Rat, 162});
        PlaceInHand(g.game, Hand::Image4, 4, Cell{124, "1", Dog, 157});
        PlaceInHand(g.game, Hand::Image4, 5, Cell{126, "1", Tiger, 159});
        PlaceInHand(g.game, Hand::Image5, 2, Cell{189, "2", Dog, 180});
    }
    void DropFromHand(Hand hand, int slot, int cell) {
        g.game.HandPickUp(hand, slot, MouseButton::Left);
        g.game.Image1_DragDrop(cell);
    }
    LocalGame g;
};

TEST_F(HandDropTest, OntoAnEmptyCellIsAMove) {
    DropFromHand(Hand::Image4, 4, 40);
    EXPECT_EQ(g.game.Squares()[40], (Cell{124, "1", Dog, 157}));
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[4], BlankCell);
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[5].Kind, Tiger);  // the other slots stay in place
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[0].Kind, Rat);
    EXPECT_EQ(g.game.ToMove(), Side::Gote);
    EXPECT_EQ(g.shell.sounds, std::vector<int>{101});
    EXPECT_EQ(g.shell.lastArea, DragArea::Window);
}

TEST_F(HandDropTest, OntoAnOccupiedCellLeavesBothAlone) {
    BoardCells before = g.game.Squares();
    DropFromHand(Hand::Image4, 4, 45);
    DropFromHand(Hand::Image4, 4, 27);
    EXPECT_EQ(g.game.Squares(), before);
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[4].Kind, Dog);
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
    EXPECT_EQ(g.shell.dragsEnded, 2);
    // Nothing is held any more: a drop on an empty cell is neither a drop nor a step.
    g.game.Image1_DragDrop(40);
    g.game.Image1_DragDrop(9);
    EXPECT_EQ(g.game.Squares(), before);
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[4].Kind, Dog);
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
}

TEST_F(HandDropTest, IntoTheOpponentsHomeRowsIsAllowed) {
    DropFromHand(Hand::Image4, 4, 12);
    EXPECT_EQ(g.game.Squares()[12].Kind, Dog);
}

TEST_F(HandDropTest, OnlyTheSideToMoveAndOnlyEnabledHands) {
    g.game.HandPickUp(Hand::Image5, 2, MouseButton::Left);
    EXPECT_EQ(g.shell.dragsBegun, 0);
    g.game.HandPickUp(Hand::Image4, 4, MouseButton::Right);
    g.game.HandPickUp(Hand::Image4, 1, MouseButton::Left);  // empty slot
    EXPECT_EQ(g.shell.dragsBegun, 0);
    g.game.ApplySettings({});
    g.game.HandPickUp(Hand::Image4, 4, MouseButton::Left);
    EXPECT_EQ(g.shell.dragsBegun, 0);
}

TEST_F(HandDropTest, AfterABoardDragEndedOffTheBoardTheHandDropIsNotABoardMove) {
    g.game.BoardPickUp(45, MouseButton::Left);
    g.game.DropElsewhere();
    g.Drag(45, 36);  // Sente moves, now Gote
    g.game.HandPickUp(Hand::Image4, 0, MouseButton::Left);
    g.game.DropElsewhere();
    DropFromHand(Hand::Image5, 2, 44);
    EXPECT_EQ(g.game.Squares()[44], (Cell{189, "2", Dog, 180}));
    EXPECT_EQ(g.game.HandSlots(Hand::Image5)[2], BlankCell);
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[0].Kind, Rat);
    EXPECT_EQ(g.game.Squares()[36].Kind, Dog);  // the earlier board move is untouched
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
}

TEST_F(HandDropTest, ARatDroppedNextToTheEnemyElephantIsAnnounced) {
    DropFromHand(Hand::Image4, 0, 13 + 9 - 9);  // 13 holds Gote's Lion; 14 is empty
    EXPECT_TRUE(g.shell.messages.empty());
    SetToMove(g.game, Side::Sente);
    PlaceInHand(g.game, Hand::Image4, 0, Cell{129, "1", Rat, 162});
    DropFromHand(Hand::Image4, 0, 14);
    EXPECT_EQ(g.shell.messages, std::vector<std::string>{"象手です"});
}
