#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "NetPeers.h"
#include "RandomPlay.h"
#include "ScriptedShell.h"
#include "game/EnginePosition.h"

using namespace torvane;

namespace {

// Everything a player sees of a game and a move may change.
struct Seen {
    BoardCells board;
    HandCells bottom, top;
    Side turn;
    ClockCounters clocks;
    std::string label1, label3, label8;
    Colour label2Back, label4Back;
    bool timer1, timer2, open, touryou;
    bool operator==(const Seen&) const = default;
};

Seen SeenOf(const Game& g) {
    return {
        g.Squares(),         g.HandSlots(Hand::Image4), g.HandSlots(Hand::Image5), g.ToMove(),
        g.Clocks(),          g.View().Label1,           g.View().Label3,           g.View().Label8,
        g.View().Label2Back, g.View().Label4Back,       g.View().Timer1,           g.View().Timer2,
        g.BoardOpen(),       g.View().touryou};
}

// A second or a few on the running clock, so that every move leaves its own clock readings.
void Think(Game& game, std::mt19937& rng) {
    for (int n = std::uniform_int_distribution(0, 4)(rng); n > 0; --n)
        game.View().Timer1 ? game.Timer1_Timer() : game.Timer2_Timer();
}

bool Decided(const Game& g) {
    return !g.BoardOpen();
}

std::vector<int> HandKinds(const HandCells& hand) {
    std::vector<int> kinds;
    for (const Cell& c : hand)
        if (c.Kind) kinds.push_back(c.Kind);
    std::sort(kinds.begin(), kinds.end());
    return kinds;
}

}  // namespace

// Random games at one computer, drops on and off: taking back every move, one after the
// other, shows each earlier position exactly as it was, clocks and markers included.
TEST(TakeBack, RestoresEveryPositionBackToTheStart) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 rng(seed);
        LocalGame g;
        ChangeSettings(g.game, [&](SettingsChoice& c) { c.capturedPieces = seed % 2 == 0; });
        std::vector<Seen> before;
        while (!Decided(g.game) && before.size() < 150) {
            Think(g.game, rng);
            before.push_back(SeenOf(g.game));
            const std::string& mover =
                g.game.ToMove() == Side::Sente ? g.game.SenteTag : g.game.GoteTag;
            if (!PlayRandomMove(g.game, mover, rng)) break;
        }
        ASSERT_EQ(g.game.History().entries().size(), before.size()) << "seed " << seed;
        while (!before.empty()) {
            ASSERT_TRUE(g.game.MayTakeBack());
            g.game.TakeBack();
            ASSERT_EQ(SeenOf(g.game), before.back())
                << "seed " << seed << " move " << before.size();
            before.pop_back();
        }
        EXPECT_FALSE(g.game.MayTakeBack());
        EXPECT_FALSE(g.game.History().result());
    }
}

TEST(TakeBack, AgainstTheComputerTakesBackItsAnswerToo) {
    ScriptedShell shell;
    Game game(shell, "127.0.0.1");
    RecordedComputer computer;
    game.StartComputerGame(false, computer);
    std::mt19937 rng(7);
    EXPECT_FALSE(game.MayTakeBack());
    const Seen start = SeenOf(game);
    ASSERT_TRUE(PlayRandomMove(game, game.SenteTag, rng));
    EXPECT_FALSE(game.MayTakeBack()) << "not while the computer thinks";
    const auto answer = ParseEngineMove("5d5e", false);  // Gote's middle Dog steps forward
    ASSERT_TRUE(game.ApplyComputerMove(*answer));
    ASSERT_TRUE(game.MayTakeBack());
    game.TakeBack();
    EXPECT_EQ(SeenOf(game), start);
    EXPECT_TRUE(game.History().entries().empty());
    EXPECT_TRUE(game.AgainstComputer());
}

// Both programs of a network game keep the same record, as Sente sees the board, down to the
// end; neither offers to take a move back.
TEST(GameRecord, BothSidesOfANetworkGameRecordTheSameMoves) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        std::mt19937 rng(seed);
        NetPair pair;
        pair.Offer(seed % 2 == 0);
        for (int n = 0; n < 300 && pair.a.game.NetworkGameRuns(); ++n) {
            NetPeer& mover = pair.a.game.BoardOpen() ? pair.a : pair.b;
            const std::string& own =
                mover.game.LocalSide() == Side::Gote ? mover.game.GoteTag : mover.game.SenteTag;
            if (!PlayRandomMove(mover.game, own, rng)) break;
            pair.Pump();
            ASSERT_FALSE(mover.game.MayTakeBack());
        }
        const MoveHistory& a = pair.a.game.History();
        const MoveHistory& b = pair.b.game.History();
        ASSERT_FALSE(a.entries().empty());
        ASSERT_EQ(a.entries().size(), b.entries().size()) << "seed " << seed;
        for (std::size_t i = 0; i < a.entries().size(); ++i) {
            RecordedMove ma = a.entries()[i].move, mb = b.entries()[i].move;
            ma.seconds = mb.seconds = 0;  // each program times the moves on its own clock
            ASSERT_EQ(ma, mb) << "seed " << seed << " move " << i + 1;
        }
        EXPECT_EQ(a.result(), b.result());
        EXPECT_EQ(a.header().sente, pair.a.game.LocalSide() == Side::Gote ? "B" : "A");
    }
}

// A record read back shows the position it was played to, on a board turned for Gote too.
TEST(GameRecord, LoadingARecordShowsItsLastPosition) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        LocalGame played;
        ChangeSettings(played.game, [](SettingsChoice& c) { c.capturedPieces = true; });
        for (int n = 0; n < 60 && !Decided(played.game); ++n) {
            const std::string& mover =
                played.game.ToMove() == Side::Sente ? played.game.SenteTag : played.game.GoteTag;
            PlayRandomMove(played.game, mover, rng);
        }
        const GameRecord record = played.game.History().ToRecord();
        LocalGame loaded;
        loaded.game.LoadRecord(record);
        EXPECT_EQ(loaded.game.Squares(), played.game.Squares()) << "seed " << seed;
        EXPECT_EQ(HandKinds(loaded.game.HandSlots(Hand::Image4)),
                  HandKinds(played.game.HandSlots(Hand::Image4)));
        EXPECT_EQ(HandKinds(loaded.game.HandSlots(Hand::Image5)),
                  HandKinds(played.game.HandSlots(Hand::Image5)));
        EXPECT_EQ(EnginePosition(loaded.game), EnginePosition(played.game));
        EXPECT_EQ(loaded.game.BoardOpen(), played.game.BoardOpen());
        EXPECT_EQ(loaded.game.History().ToRecord(), record);
        EXPECT_EQ(loaded.game.MayPlayOn(), played.game.BoardOpen() && !record.moves.empty());

        RecordedComputer computer;
        loaded.game.LoadRecord(record, true, &computer);  // on against the computer, as Gote
        EXPECT_EQ(EnginePosition(loaded.game), EnginePosition(played.game));
        EXPECT_TRUE(loaded.game.AgainstComputer());
        EXPECT_EQ(loaded.game.ComputerMayMove(),
                  played.game.BoardOpen() && played.game.ToMove() == Side::Sente);
        EXPECT_EQ(computer.turns, loaded.game.ComputerMayMove() ? 1 : 0);
    }
}
