#include <gtest/gtest.h>

#include "ScriptedShell.h"

using namespace torvane;

namespace {

using Bytes = std::vector<std::uint8_t>;
const std::vector<Bytes> kResignSent{{0xDC, 0x05}};

class ResignTest : public ::testing::Test {
protected:
    // `n` seconds on the running clock.
    void Tick(int n) {
        for (int i = 0; i < n; ++i)
            g.game.View().Timer1 ? g.game.Timer1_Timer() : g.game.Timer2_Timer();
    }
    // Answers "投了しますか?" and returns what the player was told.
    std::vector<std::string> Resign(bool yes) {
        g.shell.answers = {yes};
        g.game.touryou_Click();
        EXPECT_EQ(g.shell.questions, std::vector<std::string>{"投了しますか?"});
        return g.shell.messages;
    }
    LocalGame g;
};

}  // namespace

TEST_F(ResignTest, NoLeavesGameClocksAndCommandAsTheyWere) {
    g.Drag(45, 36);
    Tick(75);
    const Game before = g.game;
    EXPECT_TRUE(Resign(false).empty());
    const Game& after = g.game;
    EXPECT_EQ(after.Squares(), before.Squares());
    EXPECT_EQ(after.ToMove(), Side::Gote);
    EXPECT_TRUE(after.View().touryou);
    EXPECT_TRUE(after.View().Picture1);
    EXPECT_TRUE(after.View().Timer2);
    EXPECT_FALSE(after.View().Timer1);
    EXPECT_EQ(after.View().Label3, "00:01:15");
    EXPECT_EQ(after.Clocks().Timer2Seconds, before.Clocks().Timer2Seconds);
    EXPECT_EQ(after.Clocks().Timer2Display, before.Clocks().Timer2Display);
    EXPECT_EQ(after.Clocks().ClockMinutes, 1);
    EXPECT_TRUE(g.connection.sent.empty());
}

TEST_F(ResignTest, SenteToMoveLosesAndTheBottomClockStopsAtZero) {
    Tick(70);
    EXPECT_EQ(Resign(true), std::vector<std::string>{"先手の負けです。"});
    const Game& game = g.game;
    EXPECT_FALSE(game.View().touryou);
    EXPECT_FALSE(game.View().Picture1);
    EXPECT_FALSE(game.View().Timer1);
    EXPECT_FALSE(game.View().Timer2);
    EXPECT_EQ(game.View().Label1, "00:00:00");
    EXPECT_EQ(game.Clocks().Timer1Seconds, 0);
    EXPECT_EQ(game.Clocks().Timer1Display, 0);
    EXPECT_EQ(game.Clocks().ClockMinutes, 0);
    EXPECT_TRUE(g.connection.sent.empty());
}

TEST_F(ResignTest, GoteToMoveLosesAndTheTopClockStopsAtZero) {
    g.Drag(45, 36);
    Tick(65);
    EXPECT_EQ(Resign(true), std::vector<std::string>{"後手の負けです。"});
    const Game& game = g.game;
    EXPECT_FALSE(game.View().touryou);
    EXPECT_FALSE(game.View().Picture1);
    EXPECT_FALSE(game.View().Timer2);
    EXPECT_FALSE(game.View().Timer1);
    EXPECT_EQ(game.View().Label3, "00:00:00");
    EXPECT_EQ(game.Clocks().Timer2Seconds, 0);
    EXPECT_EQ(game.Clocks().Timer2Display, 0);
    EXPECT_EQ(game.Clocks().ClockMinutes, 0);
    EXPECT_EQ(game.ToMove(), Side::Gote);
}

// A network game where the local player is to move, or where the peer is (board locked, the
// top clock running): the same loss for the local player, and the resignation goes out as the
// code alone, 1500 little-endian.
TEST_F(ResignTest, InANetworkGameTheLocalPlayerLosesAndThePeerIsTold) {
    for (bool peerToMove : {false, true}) {
        LocalGame n;
        n.game.EnterNetworkMode(n.session);
        PlayState state = n.game.Snapshot();
        state.boardOpen = !peerToMove;
        state.timer1 = !peerToMove;
        state.timer2 = peerToMove;
        state.turn = peerToMove ? 1 : 0;
        n.game.Restore(state);
        for (int i = 0; i < 20; ++i) peerToMove ? n.game.Timer2_Timer() : n.game.Timer1_Timer();
        n.game.touryou_Click();
        EXPECT_EQ(n.connection.sent, kResignSent) << peerToMove;
        EXPECT_EQ(n.shell.messages, std::vector<std::string>{"貴方の負けです"}) << peerToMove;
        EXPECT_EQ(n.game.View().Label1, "00:00:00");
        EXPECT_EQ(n.game.Clocks().Timer1Seconds, 0);
        EXPECT_EQ(n.game.Clocks().ClockMinutes, 0);
        EXPECT_FALSE(n.game.View().Timer1);
        EXPECT_FALSE(n.game.View().Timer2) << "a clock kept running after the game ended";
        EXPECT_FALSE(n.game.View().Picture1);
        EXPECT_FALSE(n.game.View().touryou);
        EXPECT_FALSE(n.game.View().kopyuuta) << "the next offer comes from the winner";
    }
}

TEST_F(ResignTest, ALostConnectionStillEndsTheGameLocally) {
    g.game.EnterNetworkMode(g.session);
    g.connection.sendSucceeds = false;
    EXPECT_EQ(Resign(true), std::vector<std::string>{"貴方の負けです"});
    EXPECT_FALSE(g.game.View().Picture1);
    EXPECT_FALSE(g.game.View().touryou);
}
