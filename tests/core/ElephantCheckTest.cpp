#include <gtest/gtest.h>

#include "ScriptedShell.h"
#include "rules/PieceKind.h"

using namespace torvane;

class ElephantCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.ClearBoard();
        g.Put(78, Elephant, "1");
        g.Put(79, Rat, "1");
        g.Put(60, Rat, "2");
        g.Put(61, Rat, "2");
        g.Put(8, Elephant, "2");
    }
    std::vector<std::string> Notices() const { return g.shell.messages; }
    LocalGame g;
};

TEST_F(ElephantCheckTest, RatSteppingNextToTheEnemyElephantIsAnnounced) {
    g.Put(22, Elephant, "2");
    g.Put(40, Rat, "1");
    g.Drag(40, 31);
    EXPECT_EQ(Notices(), std::vector<std::string>{"象手です"});
}

TEST_F(ElephantCheckTest, ElephantNextToElephantIsAnnouncedDogAndLionAreNot) {
    g.Put(22, Elephant, "2");
    g.Put(40, Dog, "1");
    g.Drag(40, 31);
    EXPECT_TRUE(Notices().empty());
    SetToMove(g.game, Side::Sente);
    g.Put(41, Lion, "1");
    g.Drag(41, 32);
    EXPECT_TRUE(Notices().empty());
    SetToMove(g.game, Side::Sente);
    g.Put(30, Elephant, "1");
    g.Drag(30, 21);
    EXPECT_EQ(Notices(), std::vector<std::string>{"象手です"});
}

TEST_F(ElephantCheckTest, SwitchedOffNothingIsAnnounced) {
    ChangeSettings(g.game, [](SettingsChoice& c) { c.checkNotice = false; });
    g.Put(22, Elephant, "2");
    g.Put(40, Rat, "1");
    g.Drag(40, 31);
    EXPECT_TRUE(Notices().empty());
}

TEST_F(ElephantCheckTest, AcrossTheEdgeIsNotNextTo) {
    // 35, 44 and 26 end the rows next to cell 36's row; none of them touches it.
    for (int elephant : {35, 44, 26}) {
        SetUp();
        g.shell.messages.clear();
        SetToMove(g.game, Side::Sente);
        g.Put(elephant, Elephant, "2");
        g.Put(45, Rat, "1");
        g.Drag(45, 36);
        ASSERT_EQ(g.game.Squares()[36].Kind, Rat);
        EXPECT_TRUE(Notices().empty()) << elephant;
    }
}

TEST_F(ElephantCheckTest, CornersAreJudgedOnTheirThreeNeighbours) {
    g.Put(9, Elephant, "2");
    g.Put(10, Rat, "1");
    g.Drag(10, 0);
    EXPECT_EQ(Notices(), std::vector<std::string>{"象手です"});
}

TEST_F(ElephantCheckTest, GotesRatNextToSentesElephant) {
    SetToMove(g.game, Side::Gote);
    g.Drag(60, 69);
    EXPECT_EQ(Notices(), std::vector<std::string>{"象手です"});
}
