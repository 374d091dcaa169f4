#include <gtest/gtest.h>

#include "ScriptedShell.h"
#include "images/PieceImageTable.h"
#include "rules/PieceKind.h"

using namespace torvane;

TEST(Drop, RefusedDropsLeaveTheBoardAsItWas) {
    LocalGame g;
    BoardCells start = g.game.Squares();
    g.Drag(45, 45);              // back on its own cell
    g.Drag(45, 27);              // two steps
    g.game.Image1_DragDrop(44);  // a drop with no piece held
    EXPECT_EQ(g.game.Squares(), start);
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
    EXPECT_TRUE(g.shell.sounds.empty());
}

TEST(Drop, NeverAcrossTheLeftAndRightEdges) {
    LocalGame g;
    g.ClearBoard();
    g.Put(0, Elephant, "2");
    g.Put(2, Rat, "2");
    g.Put(78, Elephant, "1");
    g.Put(80, Rat, "1");
    g.Put(9, Dog, "1");
    g.Put(18, Dog, "1");
    g.Put(35, Dog, "1");
    BoardCells before = g.game.Squares();
    g.Drag(9, 8);    // -1 would wrap to the end of the row above
    g.Drag(18, 26);  // +8 would wrap to the end of the same row
    g.Drag(35, 36);  // +1 from the right column
    g.Drag(35, 27);  // -8 from the right column
    EXPECT_EQ(g.game.Squares(), before);
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
}

TEST(Drop, SenteMoveToAnEmptyCellPassesTheTurn) {
    LocalGame g;
    g.Drag(45, 36);
    EXPECT_EQ(g.game.Squares()[36], SetupTemplate()[45]);
    EXPECT_EQ(g.game.Squares()[45], BlankCell);
    EXPECT_EQ(g.game.ToMove(), Side::Gote);
    EXPECT_EQ(g.game.View().Label4Back, kGreen);
    EXPECT_EQ(g.game.View().Label2Back, kButtonFace);
    EXPECT_FALSE(g.game.View().Timer1);
    EXPECT_TRUE(g.game.View().Timer2);
    EXPECT_EQ(g.shell.sounds, std::vector<int>{101});
    for (const Cell& slot : g.game.HandSlots(Hand::Image4)) EXPECT_EQ(slot, BlankCell);
    for (const Cell& slot : g.game.HandSlots(Hand::Image5)) EXPECT_EQ(slot, BlankCell);

    // Gote answers: the green goes back to the bottom marker and the bottom clock runs.
    g.Drag(27, 28);
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
    EXPECT_EQ(g.game.View().Label2Back, kGreen);
    EXPECT_EQ(g.game.View().Label4Back, kButtonFace);
    EXPECT_TRUE(g.game.View().Timer1);
    EXPECT_FALSE(g.game.View().Timer2);
}

TEST(Drop, OnlyTheSideToMoveMayPickUp) {
    LocalGame g;
    g.game.BoardPickUp(27, MouseButton::Left);  // Gote's Dog while Sente is to move
    EXPECT_EQ(g.shell.dragsBegun, 0);
    g.game.BoardPickUp(45, MouseButton::Right);
    EXPECT_EQ(g.shell.dragsBegun, 0);
    g.game.BoardPickUp(44, MouseButton::Left);  // empty
    EXPECT_EQ(g.shell.dragsBegun, 0);
    g.game.BoardPickUp(45, MouseButton::Left);
    EXPECT_EQ(g.shell.dragsBegun, 1);
    EXPECT_EQ(g.shell.lastArea, DragArea::Board);
    EXPECT_EQ(g.shell.lastDragIcon, PieceImageId(Dog, ImageInk::Black, ImageVariant::Held));
}

TEST(Drop, NothingCanBePickedUpBeforeAGame) {
    ScriptedShell shell;
    Game game(shell, "127.0.0.1");
    game.BoardPickUp(45, MouseButton::Left);
    EXPECT_EQ(shell.dragsBegun, 0);
}

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.ClearBoard();
        // Both sides keep an Elephant and two Rats far away so the game goes on.
        g.Put(0, Elephant, "2");
        g.Put(1, Rat, "2");
        g.Put(2, Rat, "2");
        g.Put(80, Elephant, "1");
        g.Put(79, Rat, "1");
        g.Put(78, Rat, "1");
    }
    LocalGame g;
};

TEST_F(CaptureTest, DogTakesDogButNotWolf) {
    g.Put(45, Dog, "1");
    g.Put(36, Dog, "2");
    g.Put(46, Dog, "1");
    g.Put(37, Wolf, "2");
    g.Drag(46, 37);
    EXPECT_EQ(g.game.Squares()[46].Kind, Dog);
    EXPECT_EQ(g.game.Squares()[37].Kind, Wolf);
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
    g.Drag(45, 36);
    EXPECT_EQ(g.game.Squares()[36].Tag, "1");
    EXPECT_EQ(g.game.ToMove(), Side::Gote);
    // The taken Dog is in Sente's (bottom) hand, black ink, Sente's tag.
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[0], (Cell{124, "1", Dog, 157}));
}

TEST_F(CaptureTest, RedTigerTakenByTheBottomSideTurnsBlack) {
    g.Put(45, Lion, "1");
    g.Put(36, Tiger, "2");
    g.Drag(45, 36);
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[0], (Cell{126, "1", Tiger, 159}));
}

TEST_F(CaptureTest, GoteCapturesIntoTheTopHandInRed) {
    SetToMove(g.game, Side::Gote);
    g.Put(36, Bear, "2");
    g.Put(45, Crocodile, "1");
    g.Drag(36, 45);
    EXPECT_EQ(g.game.HandSlots(Hand::Image5)[0], (Cell{187, "2", Crocodile, 178}));
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
    EXPECT_EQ(g.game.View().Label2Back, kGreen);
    EXPECT_TRUE(g.game.View().Timer1);
}

TEST_F(CaptureTest, ElephantNeverTakesRatAndRatTakesElephant) {
    g.Put(45, Elephant, "1");
    g.Put(36, Rat, "2");
    BoardCells before = g.game.Squares();
    g.Drag(45, 36);
    EXPECT_EQ(g.game.Squares(), before);
    SetToMove(g.game, Side::Gote);
    g.Drag(36, 45);  // Gote's Rat takes Sente's second Elephant
    EXPECT_EQ(g.game.Squares()[45].Kind, Rat);
    EXPECT_EQ(g.game.HandSlots(Hand::Image5)[0].Kind, Elephant);
}

TEST_F(CaptureTest, EqualElephantsTakeEachOther) {
    g.Put(45, Elephant, "1");
    g.Put(36, Elephant, "2");
    g.Drag(45, 36);
    EXPECT_EQ(g.game.Squares()[36].Tag, "1");
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[0].Kind, Elephant);
}

TEST_F(CaptureTest, HandsFillRowByRowAndReuseAFreedSlot) {
    for (int i = 0; i < 4; ++i) {
        g.Put(45, Lion, "1");
        g.Put(36, Dog, "2");
        SetToMove(g.game, Side::Sente);
        g.Drag(45, 36);
    }
    for (int k = 0; k < 4; ++k) EXPECT_EQ(g.game.HandSlots(Hand::Image4)[k].Kind, Dog) << k;
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[4], BlankCell);
    PlaceInHand(g.game, Hand::Image4, 0, BlankCell);
    g.Put(45, Lion, "1");
    g.Put(36, Wolf, "2");
    SetToMove(g.game, Side::Sente);
    g.Drag(45, 36);
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[0].Kind, Wolf);
    EXPECT_EQ(g.game.HandSlots(Hand::Image4)[4], BlankCell);
}

TEST_F(CaptureTest, AFullHandNeverOverwritesAPieceInIt) {
    for (int k = 0; k < kHandSlots; ++k)
        PlaceInHand(g.game, Hand::Image4, k, Cell{124, "1", Dog, 157});
    g.Put(45, Lion, "1");
    g.Put(36, Tiger, "2");
    g.Drag(45, 36);
    EXPECT_EQ(g.game.Squares()[36].Kind, Lion);
    for (int k = 0; k < kHandSlots; ++k)
        EXPECT_EQ(g.game.HandSlots(Hand::Image4)[k].Kind, Dog) << k;
    EXPECT_EQ(g.game.ToMove(), Side::Gote);
}

TEST_F(CaptureTest, SoundOffMakesAMoveSilent) {
    ChangeSettings(g.game, [](SettingsChoice& c) { c.sound = false; });
    g.Put(45, Dog, "1");
    g.Drag(45, 36);
    EXPECT_TRUE(g.shell.sounds.empty());
    EXPECT_EQ(g.shell.repaints, 0);
}
