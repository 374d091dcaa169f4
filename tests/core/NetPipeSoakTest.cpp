// A thousand random network games between two programs joined by a byte pipe: random legal
// moves, chat, resignations, offers refused and accepted, every write delivered in random
// chunks. Captures are preferred, so that most games end by one. After every step the two boards
// are each other's half-turn, and both programs agree on whose turn it is, whether a game runs and
// who has won.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "NetPeers.h"
#include "rules/MovementRules.h"

namespace torvane {
namespace {

class PipeSoak {
public:
    explicit PipeSoak(std::uint32_t seed) : rng_(seed) {}

    void PlayGame();

private:
    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }
    void Deliver(NetPeer& to, const WireBytes& write);
    void Pump();
    void StartGame();
    void Step();
    bool MoveOn(NetPeer& p);
    void CheckAgreement();
    void CheckOutcome();

    std::mt19937 rng_;
    NetPair n_;
};

// One write arrives in pieces; a text ends with the quiet period after it.
void PipeSoak::Deliver(NetPeer& to, const WireBytes& write) {
    std::span<const std::uint8_t> rest(write);
    while (!rest.empty()) {
        std::size_t piece = 1 + Below(rest.size());
        to.session.BytesArrived(rest.first(piece));
        rest = rest.subspan(piece);
    }
    if (to.session.TextPending()) to.session.TextQuietPeriodElapsed();
}

void PipeSoak::Pump() {
    while (!n_.a.unread.empty() || !n_.b.unread.empty()) {
        for (auto [from, to] : {std::pair{&n_.a, &n_.b}, std::pair{&n_.b, &n_.a}})
            for (const WireBytes& w : std::exchange(from->unread, {})) Deliver(*to, w);
    }
}

// Whoever may offer offers, with a random side, until the other says Yes.
void PipeSoak::StartGame() {
    for (;;) {
        NetPeer* offerer = n_.a.game.View().kopyuuta ? &n_.a : &n_.b;
        ASSERT_TRUE(offerer->game.View().kopyuuta) << "nobody may offer the next game";
        NetPeer& answerer = offerer == &n_.a ? n_.b : n_.a;
        bool yes = Chance(75);
        answerer.answers.push_back(yes);
        offerer->session.OfferGame(Chance(50));
        Pump();
        // A refused offer resets the offerer's board only; the boards agree once a game starts.
        if (yes) return CheckAgreement();
        ASSERT_TRUE(offerer->game.View().kopyuuta);
    }
}

// A random step of the player whose board is open; false when that player has none.
bool PipeSoak::MoveOn(NetPeer& p) {
    const std::string& own = p.game.LocalSide() == Side::Gote ? p.game.GoteTag : p.game.SenteTag;
    std::vector<std::pair<int, int>> steps, captures;
    for (int from = 0; from < kCellCount; ++from) {
        if (p.game.Squares()[from].Tag != own) continue;
        for (int to : ReachableCells(p.game.Squares(), from)) {
            steps.emplace_back(from, to);
            if (p.game.Squares()[to].Tag != p.game.EmptyTag) captures.emplace_back(from, to);
        }
    }
    if (steps.empty()) return false;
    // Captures are preferred half of the time, so that most games end by one.
    if (!captures.empty() && Chance(50)) steps = captures;
    auto [from, to] = steps[Below(steps.size())];
    p.Drag(from, to);
    return true;
}

void PipeSoak::Step() {
    NetPeer& mover = n_.a.game.BoardOpen() ? n_.a : n_.b;
    NetPeer& anyone = Chance(50) ? n_.a : n_.b;
    if (Chance(8)) {
        anyone.session.SendChat("line " + std::to_string(Below(1000)));
    } else if (Below(1000) < 2 || !MoveOn(mover)) {
        anyone.answers.push_back(true);
        anyone.game.touryou_Click();
    }
    Pump();
    CheckAgreement();
}

void PipeSoak::CheckAgreement() {
    const Game& a = n_.a.game;
    const Game& b = n_.b.game;
    for (int i = 0; i < kCellCount; ++i) {
        const Cell& mirrored = b.Squares()[kCellCount - 1 - i];
        ASSERT_EQ(a.Squares()[i].Kind, mirrored.Kind) << "cell " << i;
        ASSERT_EQ(a.Squares()[i].Tag, mirrored.Tag) << "cell " << i;
    }
    for (int k = 0; k < kHandSlots; ++k) {
        ASSERT_EQ(a.HandSlots(Hand::Image4)[k].Kind, b.HandSlots(Hand::Image5)[k].Kind);
        ASSERT_EQ(a.HandSlots(Hand::Image5)[k].Kind, b.HandSlots(Hand::Image4)[k].Kind);
    }
    ASSERT_EQ(a.ToMove(), b.ToMove());
    ASSERT_EQ(a.NetworkGameRuns(), b.NetworkGameRuns());
    ASSERT_NE(a.LocalSide(), b.LocalSide());
    if (!a.NetworkGameRuns()) return;
    // Exactly the player to move may touch the board.
    ASSERT_EQ(a.BoardOpen(), a.ToMove() == a.LocalSide());
    ASSERT_EQ(b.BoardOpen(), b.ToMove() == b.LocalSide());
}

// One side won and the other knows it lost, by capture or by resignation.
void PipeSoak::CheckOutcome() {
    ASSERT_FALSE(n_.a.messages.empty() || n_.b.messages.empty());
    const std::string& lastA = n_.a.messages.back();
    const std::string& lastB = n_.b.messages.back();
    std::set<std::pair<std::string, std::string>> outcomes = {
        {"あなたの勝ちです", "あなたの負けです"},
        {"貴方の負けです", "相手が投了しました"},
    };
    EXPECT_TRUE(outcomes.count({lastA, lastB}) || outcomes.count({lastB, lastA}))
        << lastA << " / " << lastB;
}

void PipeSoak::PlayGame() {
    n_.Clear();
    StartGame();
    if (::testing::Test::HasFatalFailure()) return;
    for (int step = 0; step < 400 && n_.a.game.NetworkGameRuns(); ++step) {
        Step();
        if (::testing::Test::HasFatalFailure()) return;
    }
    if (n_.a.game.NetworkGameRuns()) {
        n_.a.answers.push_back(true);
        n_.a.game.touryou_Click();
        Pump();
        CheckAgreement();
    }
    CheckOutcome();
}

TEST(NetPipeSoak, AThousandRandomGamesKeepBothProgramsInAgreement) {
    PipeSoak soak(20261208);
    for (int game = 0; game < 1000 && !HasFailure(); ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        soak.PlayGame();
    }
}

}  // namespace
}  // namespace torvane
