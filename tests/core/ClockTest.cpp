#include <gtest/gtest.h>

#include "ScriptedShell.h"
#include "game/ClockFormat.h"

using namespace torvane;

namespace {

void Tick(Game& game, int n, bool bottom = true) {
    for (int i = 0; i < n; ++i) bottom ? game.Timer1_Timer() : game.Timer2_Timer();
}

}  // namespace

TEST(ClockFormat, HoursMinutesSeconds) {
    EXPECT_EQ(FormatClock(0), "00:00:00");
    EXPECT_EQ(FormatClock(59), "00:00:59");
    EXPECT_EQ(FormatClock(100), "00:01:00");
    EXPECT_EQ(FormatClock(1234), "00:12:34");
    EXPECT_EQ(FormatClock(5959), "00:59:59");
    EXPECT_EQ(FormatClock(6000), "01:00:00");
    EXPECT_EQ(FormatClock(10000), "01:40:00");
    EXPECT_EQ(FormatClock(1000000), "166:40:00");
}

TEST(Clock, CountsSecondsAndCarriesMinutes) {
    LocalGame g;
    Tick(g.game, 59);
    EXPECT_EQ(g.game.View().Label1, "00:00:59");
    Tick(g.game, 1);
    EXPECT_EQ(g.game.View().Label1, "00:01:00");
    EXPECT_EQ(g.game.Clocks().ClockMinutes, 1);
    Tick(g.game, 120);
    EXPECT_EQ(g.game.View().Label1, "00:03:00");
    EXPECT_TRUE(g.shell.messages.empty());
}

TEST(Clock, TheHundredAndEightyFirstSecondLosesForSente) {
    LocalGame g;
    Tick(g.game, 180);
    ASSERT_TRUE(g.shell.messages.empty());
    Tick(g.game, 1);
    EXPECT_EQ(g.shell.messages, std::vector<std::string>{"先手の負けです"});
    EXPECT_EQ(g.game.View().Label1, "00:03:00");  // the label is not updated on the losing tick
    EXPECT_FALSE(g.game.View().Timer1);
    EXPECT_FALSE(g.game.View().Picture1);
    EXPECT_FALSE(g.game.View().touryou);
    EXPECT_EQ(g.game.Clocks().ClockMinutes, 0);
}

TEST(Clock, TopClockLosesForGoteAtOneComputerAndSilentlyInANetworkGame) {
    LocalGame g;
    g.Drag(45, 36);
    Tick(g.game, 181, false);
    EXPECT_EQ(g.shell.messages, std::vector<std::string>{"後手の負けです"});

    LocalGame n;
    n.Drag(45, 36);
    n.game.EnterNetworkMode(n.session);
    ASSERT_TRUE(n.game.View().touryou);
    Tick(n.game, 181, false);
    EXPECT_TRUE(n.shell.messages.empty());
    EXPECT_TRUE(n.game.View().touryou);
    EXPECT_FALSE(n.game.View().Timer2);
    EXPECT_FALSE(n.game.View().Picture1);
}

TEST(Clock, BottomClockInANetworkGameSendsTimeLoss) {
    LocalGame g;
    g.game.EnterNetworkMode(g.session);
    Tick(g.game, 181);
    EXPECT_EQ(g.shell.messages, std::vector<std::string>{"あなたの負けです。"});
    ASSERT_EQ(g.connection.sent.size(), 1u);
    EXPECT_EQ(g.connection.sent[0], (std::vector<std::uint8_t>{0x14, 0x05}));
}

TEST(Clock, WithoutTheLimitItRunsOnPastThreeMinutes) {
    LocalGame g;
    g.game.ApplySettings(SettingsChoice{.timeLimit = false});
    Tick(g.game, 100 * 60);
    EXPECT_EQ(g.game.View().Label1, "01:40:00");
    EXPECT_TRUE(g.shell.messages.empty());
    // Far beyond the 16-bit range of the display value.
    Tick(g.game, 400 * 60);
    EXPECT_EQ(g.game.View().Label1, "08:20:00");
}

TEST(Clock, AMoveResetsTheMoversClockAndANewGameGivesFullTime) {
    LocalGame g;
    Tick(g.game, 150);
    EXPECT_EQ(g.game.View().Label1, "00:02:30");
    g.game.sutato_Click();
    Tick(g.game, 180);
    EXPECT_TRUE(g.shell.messages.size() == 1);  // only "先手の番です"
    g.Drag(45, 36);
    EXPECT_EQ(g.game.View().Label1, "00:00:00");
    Tick(g.game, 180, false);
    g.Drag(27, 28);
    Tick(g.game, 180);
    EXPECT_EQ(g.shell.messages.size(), 1u);
}

// The last 30 seconds of the limit: the running clock turns to the warning colour at 2:30 and the
// player hears one warning, at one computer for either clock. Without the limit, or with the
// sound off, neither colour nor sound (the colour stays with the sound off).
TEST(Clock, TheLastThirtySecondsOfTheLimitWarnOnce) {
    for (bool bottom : {true, false}) {
        LocalGame g;
        if (!bottom) g.Drag(45, 36);  // Gote's clock, at the top, runs now
        g.shell.sounds.clear();
        Tick(g.game, 149, bottom);
        EXPECT_FALSE(g.game.ClockWarning(bottom));
        Tick(g.game, 1, bottom);
        EXPECT_TRUE(g.game.ClockWarning(bottom));
        EXPECT_FALSE(g.game.ClockWarning(!bottom)) << "only the running clock";
        Tick(g.game, 30, bottom);
        EXPECT_EQ(g.shell.sounds, std::vector<int>{Game::TimeWarningSoundId});
        Tick(g.game, 1, bottom);  // out of time: the clock stops
        EXPECT_FALSE(g.game.ClockWarning(bottom));
    }
    LocalGame quiet;
    SettingsChoice noSound;
    noSound.sound = false;
    quiet.game.ApplySettings(noSound);
    Tick(quiet.game, 150);
    EXPECT_TRUE(quiet.game.ClockWarning(true));
    EXPECT_TRUE(quiet.shell.sounds.empty());
}

// A game against the computer has its own limit, off unless chosen: the player's clock runs
// past three minutes without a warning; with it on, the warning and the loss come as at one
// computer. The settings' limit is left as it was.
TEST(Clock, AComputerGameHasItsOwnLimit) {
    for (bool limit : {false, true}) {
        ScriptedShell shell;
        Game game{shell, "127.0.0.1"};
        RecordedComputer computer;
        game.StartComputerGame(false, computer, limit);
        EXPECT_EQ(game.TimeLimitOn(), limit);
        Tick(game, 150);
        EXPECT_EQ(game.ClockWarning(true), limit);
        Tick(game, 31);
        EXPECT_EQ(game.AgainstComputer(), !limit) << "lost on time only with the limit";
        EXPECT_EQ(shell.sounds.size(), limit ? 1U : 0U);
        game.sutato_Click();
        EXPECT_TRUE(game.TimeLimitOn()) << "the settings' limit at one computer";
    }
}

TEST(Settings, DefaultsShowEveryBoxTickedButCapturedPieces) {
    LocalGame g;
    EXPECT_EQ(g.game.SettingsOnLoad(), SettingsChoice{});
    EXPECT_FALSE(g.game.SettingsOnLoad().capturedPieces);
}

TEST(Settings, InvertedFlagsAndTheHands) {
    LocalGame g;
    g.game.ApplySettings({false, false, false, true, true});
    EXPECT_FALSE(g.game.SettingsOnLoad().sound);
    EXPECT_FALSE(g.game.SettingsOnLoad().rangeDisplay);
    EXPECT_FALSE(g.game.SettingsOnLoad().checkNotice);
    EXPECT_TRUE(g.game.SettingsOnLoad().capturedPieces);
    EXPECT_TRUE(g.game.View().Picture2 && g.game.View().Picture3);
    EXPECT_EQ(g.game.SettingsOnLoad(), (SettingsChoice{false, false, false, true, true}));
    g.game.ApplySettings({});
    EXPECT_FALSE(g.game.View().Picture2 || g.game.View().Picture3);
    EXPECT_EQ(g.game.SettingsOnLoad(), (SettingsChoice{}));
}

TEST(Settings, CapturedPiecesAreRefusedInANetworkGame) {
    LocalGame g;
    g.game.EnterNetworkMode(g.session);
    g.game.ApplySettings(SettingsChoice{.capturedPieces = true});
    EXPECT_EQ(g.shell.messages,
              std::vector<std::string>{"ネットワーク対戦は取った駒を使用できません"});
    EXPECT_FALSE(g.game.View().Picture2 || g.game.View().Picture3);
    EXPECT_FALSE(g.game.SettingsOnLoad().capturedPieces);
    EXPECT_FALSE(g.game.SettingsOnLoad().capturedPieces);
}

TEST(Settings, SwitchingTheLimitBackOnResetsTheClocksOnlyOnce) {
    LocalGame g;
    Tick(g.game, 90);
    g.game.ApplySettings({});  // confirmed with the limit left on: nothing changes
    EXPECT_EQ(g.game.View().Label1, "00:01:30");
    g.game.ApplySettings(SettingsChoice{.timeLimit = false});
    EXPECT_EQ(g.game.View().Label1, "00:01:30");
    g.game.ApplySettings({});
    EXPECT_EQ(g.game.View().Label1, "00:00:00");
    EXPECT_EQ(g.game.Clocks().Timer1Display + g.game.Clocks().Timer1Seconds +
                  g.game.Clocks().ClockMinutes,
              0);
    EXPECT_TRUE(g.game.View().Timer1);  // the timers are left as they were
    Tick(g.game, 5);
    g.game.ApplySettings({});
    EXPECT_EQ(g.game.View().Label1, "00:00:05");
}
