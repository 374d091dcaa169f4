#include <gtest/gtest.h>

#include "ScriptedShell.h"
#include "rules/PieceKind.h"

using namespace torvane;

class EndOfGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.ClearBoard();
        g.Put(4, Elephant, "2");
        g.Put(3, Rat, "2");
        g.Put(5, Rat, "2");
        g.Put(76, Elephant, "1");
        g.Put(75, Rat, "1");
        g.Put(77, Rat, "1");
    }
    LocalGame g;
};

TEST_F(EndOfGameTest, TheSecondRatEndsTheGameNotTheFirst) {
    g.Put(12, Dog, "1");
    g.Put(14, Dog, "1");
    g.Drag(12, 3);
    EXPECT_TRUE(g.shell.messages.empty());
    EXPECT_TRUE(g.game.View().Picture1);
    SetToMove(g.game, Side::Sente);
    g.Drag(14, 5);
    EXPECT_EQ(g.shell.messages, std::vector<std::string>{"後手の負けです"});
    EXPECT_FALSE(g.game.View().Picture1);
    EXPECT_FALSE(g.game.View().touryou);
    EXPECT_FALSE(g.game.View().Timer2);
    EXPECT_EQ(g.game.View().Label3, "00:00:00");
}

TEST_F(EndOfGameTest, RatTakingTheElephantEndsItAtOnceWithoutACheckNotice) {
    g.Put(13, Rat, "1");
    g.Drag(13, 4);
    EXPECT_EQ(g.shell.messages, std::vector<std::string>{"後手の負けです"});
}

TEST_F(EndOfGameTest, GoteTakingSentesElephantLosesForSente) {
    SetToMove(g.game, Side::Gote);
    g.Put(67, Rat, "2");
    g.Drag(67, 76);
    EXPECT_EQ(g.shell.messages, std::vector<std::string>{"先手の負けです"});
    EXPECT_FALSE(g.game.View().Picture1);
    EXPECT_FALSE(g.game.View().Timer1);
    EXPECT_EQ(g.game.View().Label1, "00:00:00");
    EXPECT_EQ(g.game.Clocks().Timer1Seconds, 0);
}

TEST_F(EndOfGameTest, PiecesInHandsNeverCount) {
    PlaceInHand(g.game, Hand::Image4, 0, Cell{129, "1", Rat, 162});
    PlaceInHand(g.game, Hand::Image5, 0, Cell{191, "2", Elephant, 182});
    Place(g.game, 4, BlankCell);
    g.Put(40, Dog, "1");
    g.Drag(40, 41);
    EXPECT_EQ(g.shell.messages, std::vector<std::string>{"後手の負けです"});
}

TEST_F(EndOfGameTest, ARefusedCaptureStillScansAndTheGameGoesOn) {
    g.Put(40, Dog, "1");
    g.Put(31, Tiger, "2");
    g.Drag(40, 31);
    EXPECT_TRUE(g.shell.messages.empty());
    EXPECT_TRUE(g.game.View().Picture1);
}

TEST_F(EndOfGameTest, AnEndedGameLeavesNothingBehindForTheNextGame) {
    g.Put(13, Rat, "1");
    g.Drag(13, 4);
    EXPECT_EQ(g.shell.messages.back(), "後手の負けです");
    g.game.sutato_Click();
    g.Drag(45, 36);
    g.Drag(35, 44);
    EXPECT_EQ(g.shell.messages.back(), "先手の番です");
    EXPECT_TRUE(g.game.View().Picture1);
}

TEST(NewGame, InTheMiddleOfAGameRestoresTheStartAndKeepsTheSettings) {
    LocalGame g;
    g.Drag(45, 36);
    g.Drag(27, 36);  // Gote's Dog takes Sente's Dog
    ASSERT_EQ(g.game.HandSlots(Hand::Image5)[0].Kind, Dog);
    for (int second = 0; second < 150; ++second) g.game.Timer1_Timer();
    ASSERT_EQ(g.game.View().Label1, "00:02:30");
    ChangeSettings(g.game, [](SettingsChoice& c) {
        c.sound = false;
        c.capturedPieces = true;
    });

    g.shell.messages.clear();
    g.game.sutato_Click();
    EXPECT_EQ(g.shell.messages, std::vector<std::string>{"先手の番です"});
    EXPECT_EQ(g.game.Squares(), SetupTemplate());
    for (const Cell& slot : g.game.HandSlots(Hand::Image5)) EXPECT_EQ(slot, BlankCell);
    EXPECT_EQ(g.game.ToMove(), Side::Sente);
    EXPECT_EQ(g.game.View().Label1, "00:00:00");
    EXPECT_EQ(g.game.View().Label3, "00:00:00");
    EXPECT_EQ(g.game.Clocks().Timer1Display + g.game.Clocks().Timer1Seconds +
                  g.game.Clocks().ClockMinutes,
              0);
    EXPECT_EQ(g.game.View().Label2Back, kGreen);
    EXPECT_EQ(g.game.View().Label4Back, kButtonFace);
    EXPECT_TRUE(g.game.View().Timer1);
    EXPECT_FALSE(g.game.View().Timer2);
    EXPECT_TRUE(g.game.View().touryou);
    EXPECT_FALSE(g.game.SettingsOnLoad().sound);
    EXPECT_TRUE(g.game.View().Picture2);
    EXPECT_TRUE(g.game.View().Picture3);
}

// The box is shown while the old position is still on the board.
TEST(NewGame, TheMessageComesBeforeTheNewPosition) {
    struct Peeking : ScriptedShell {
        Game* game = nullptr;
        Cell seen;
        void ShowMessage(const std::string& text) override {
            seen = game->Squares()[36];
            ScriptedShell::ShowMessage(text);
        }
    };
    Peeking shell;
    Game game(shell, "127.0.0.1");
    shell.game = &game;
    game.sutato_Click();
    game.BoardPickUp(45, MouseButton::Left);
    game.Image1_DragDrop(36);
    game.sutato_Click();
    EXPECT_EQ(shell.seen.Kind, Dog);
    EXPECT_EQ(game.Squares()[36], BlankCell);
}

TEST(NewGame, AfterAnEndedGameEnablesTheBoardAgain) {
    LocalGame g;
    g.game.touryou_Click();  // the player resigns
    ASSERT_FALSE(g.game.View().Picture1 || g.game.View().touryou);
    g.game.sutato_Click();
    EXPECT_TRUE(g.game.View().Picture1);
    EXPECT_TRUE(g.game.View().touryou);
}
