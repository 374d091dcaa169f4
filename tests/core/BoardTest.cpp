#include <gtest/gtest.h>

#include <map>
#include <random>

#include "RandomPlay.h"
#include "ScriptedShell.h"

using namespace torvane;

namespace {

// How many pieces of each kind are on the board and in the hands.
std::map<int, int> KindsOf(const Game& game) {
    std::map<int, int> kinds;
    auto count = [&](const auto& cells) {
        for (const Cell& c : cells)
            if (c.Tag != game.EmptyTag) ++kinds[c.Kind];
    };
    count(game.Squares());
    count(game.HandSlots(Hand::Image4));
    count(game.HandSlots(Hand::Image5));
    return kinds;
}

int Total(const std::map<int, int>& kinds) {
    int n = 0;
    for (auto [kind, count] : kinds) n += count;
    return n;
}

bool Full(const HandCells& hand) {
    for (const Cell& slot : hand)
        if (slot == BlankCell) return false;
    return true;
}

// A slot either keeps its piece, loses it to a drop, or takes one into an empty slot.
void ExpectNoSlotOverwritten(const HandCells& before, const HandCells& after) {
    for (int k = 0; k < kHandSlots; ++k) {
        if (before[k] != BlankCell && after[k] != BlankCell) {
            EXPECT_EQ(after[k], before[k]) << k;
        }
    }
}

}  // namespace

// Random games at one computer with captured pieces in use: after every move each of the 34
// pieces is on the board or in a hand, with its kind unchanged, and a hand holds only its own
// side's pieces (the bottom hand Sente's). Only a piece taken while the capturer's hand is
// full leaves the game.
TEST(Board, RandomGamesAccountForEveryPiece) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        LocalGame g;
        g.game.ApplySettings(SettingsChoice{.capturedPieces = true});
        std::map<int, int> kinds = KindsOf(g.game);
        ASSERT_EQ(Total(kinds), 34);
        for (int ply = 0; ply < 1000 && g.game.BoardOpen(); ++ply) {
            const bool sente = g.game.ToMove() == Side::Sente;
            const HandCells& own =
                sente ? g.game.HandSlots(Hand::Image4) : g.game.HandSlots(Hand::Image5);
            const bool ownFull = Full(own);
            const HandCells bottom = g.game.HandSlots(Hand::Image4),
                            top = g.game.HandSlots(Hand::Image5);
            ASSERT_TRUE(PlayRandomMove(g.game, sente ? g.game.SenteTag : g.game.GoteTag, rng));

            std::map<int, int> now = KindsOf(g.game);
            if (Total(now) != Total(kinds)) {
                EXPECT_EQ(Total(now), Total(kinds) - 1) << "seed " << seed << " ply " << ply;
                EXPECT_TRUE(ownFull) << "seed " << seed << " ply " << ply;
            } else {
                EXPECT_EQ(now, kinds) << "seed " << seed << " ply " << ply;
            }
            kinds = now;
            ExpectNoSlotOverwritten(bottom, g.game.HandSlots(Hand::Image4));
            ExpectNoSlotOverwritten(top, g.game.HandSlots(Hand::Image5));
            for (const Cell& slot : g.game.HandSlots(Hand::Image4))
                EXPECT_NE(slot.Tag, g.game.GoteTag);
            for (const Cell& slot : g.game.HandSlots(Hand::Image5))
                EXPECT_NE(slot.Tag, g.game.SenteTag);
            if (HasFailure()) return;
        }
    }
}
