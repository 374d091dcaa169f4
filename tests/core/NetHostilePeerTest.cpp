// What a broken or hostile peer can send, and what it cannot do with it.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "NetPeers.h"
#include "net/PeerText.h"

namespace torvane {
namespace {

using Texts = std::vector<std::string>;
const std::string kReplacement = "\xEF\xBF\xBD";

WireBytes Text(MessageCode code, const std::string& text) {
    return Encode(CodeMsg{code, text});
}

// Control characters (NUL and line breaks included) never reach the screen, handles are cut
// to a sane length, and whole characters are kept.
TEST(NetHostilePeer, PeerTextIsShownWithoutControlsAndHandlesAreCapped) {
    NetPeer p;
    p.Read(Text(MessageCode::HelloReply, std::string("ab\0cd\n", 6)));
    EXPECT_EQ(p.session.View().Label15, "ab" + kReplacement + "cd" + kReplacement);
    std::string longHandle;
    for (int i = 0; i < 100; ++i) longHandle += "象";
    p.Read(Text(MessageCode::HelloReply, longHandle));
    EXPECT_EQ(p.session.View().Label15, longHandle.substr(0, 3 * kMaxHandleChars) + "…");
    p.Read(Text(MessageCode::ChatLine, "B>>one\ntwo"));
    EXPECT_EQ(p.session.View().Text100, "B>>one" + kReplacement + "two\n");
    EXPECT_EQ(PeerText("plain 将棋 <b>", 3), "pla…");
}

// A correct peer sends greetings and offers only before a game; while one runs they are
// ignored, and neither a question nor a new handle appears.
TEST(NetHostilePeer, GreetingsAndOffersDuringAGameAreIgnored) {
    NetPair n;
    n.Offer(true);
    n.Clear();
    const BoardCells board = n.b.game.Squares();
    for (MessageCode code : {MessageCode::Hello, MessageCode::HelloReply, MessageCode::OfferSente,
                             MessageCode::OfferGote})
        n.b.Read(Text(code, "X"));
    EXPECT_TRUE(n.b.questions.empty());
    EXPECT_TRUE(n.b.sent.empty());
    EXPECT_EQ(n.b.session.View().Label15, "A");
    EXPECT_EQ(n.b.game.Squares(), board);
    EXPECT_TRUE(n.b.game.NetworkGameRuns());
}

// A broken peer reports its loss on time while the local player is to move, then offers a game
// in which it moves first: the won game ends with the board locked, as after a resignation,
// and the new game starts with it locked, so the local player cannot move on the peer's turn
// and part the boards.
TEST(NetHostilePeer, AGameThePeerOpensStartsWithTheBoardLocked) {
    NetPair n;
    n.Offer(false);
    ASSERT_TRUE(n.b.game.BoardOpen());
    n.b.Read(Text(MessageCode::TimeLoss, {}));
    ASSERT_FALSE(n.b.game.NetworkGameRuns());
    EXPECT_FALSE(n.b.game.BoardOpen());
    n.Clear();
    n.b.answers.push_back(true);
    n.b.Read(Text(MessageCode::OfferSente, "A"));
    EXPECT_TRUE(n.b.game.NetworkGameRuns());
    EXPECT_EQ(n.b.game.LocalSide(), Side::Gote);
    EXPECT_EQ(n.b.game.ToMove(), Side::Sente);
    EXPECT_FALSE(n.b.game.BoardOpen());
    const BoardCells board = n.b.game.Squares();
    n.b.sent.clear();
    n.b.Drag(27, 36);  // one of the peer's pieces, whose turn it is
    n.b.Drag(63, 54);  // one of the local player's
    EXPECT_TRUE(n.b.game.Squares() == board) << "a piece moved on the peer's turn";
    EXPECT_TRUE(n.b.sent.empty());
}

// Only the listening side may offer the first game, but a peer may offer first anyway. Once
// the local player accepts, an offer of the local player's own (one confirmed in the side
// dialog that was open when the peer's offer came) is not sent: it would abandon the game on
// this side only, and the peer's answer would then open the board on the peer's turn.
TEST(NetHostilePeer, AGameThePeerOfferedFirstCannotBeAbandonedByAnOfferOfOurOwn) {
    NetPair n;
    ASSERT_TRUE(n.a.game.View().kopyuuta);
    n.a.answers.push_back(true);
    n.a.Read(Text(MessageCode::OfferGote, "B"));  // a is Sente and to move
    ASSERT_TRUE(n.a.game.NetworkGameRuns());
    EXPECT_FALSE(n.a.game.View().kopyuuta);
    n.Clear();
    n.a.session.OfferGame(true);
    EXPECT_TRUE(n.a.sent.empty());
    EXPECT_TRUE(n.a.game.NetworkGameRuns());
    n.a.Drag(45, 36);
    ASSERT_EQ(n.a.sent, std::vector<WireBytes>{Bytes({0x2D, 0x00, 0x24, 0x00})})
        << "the game goes on";
    n.a.Read(Text(MessageCode::AcceptGote, "B"));
    EXPECT_EQ(n.a.game.ToMove(), Side::Gote);
    EXPECT_FALSE(n.a.game.BoardOpen()) << "the board opened on the peer's turn";
}

// While the player answers an offer, what arrives waits; a peer that sends far more than any
// game needs meanwhile is cut off, and the memory it took is given back.
TEST(NetHostilePeer, AFloodBehindAnOpenBoxEndsTheConnection) {
    NetPair n;
    n.Clear();
    WireBytes flood;
    for (std::size_t i = 0; i <= NetSession::kMaxBacklog; ++i)
        flood.insert(flood.end(), {0x01, 0x00, 0x02, 0x00});  // moves nobody asked for
    n.b.answers.push_back(false);
    n.b.whileModal = [&] { n.b.session.BytesArrived(flood); };
    n.b.Read(Text(MessageCode::OfferSente, "A"));
    EXPECT_EQ(n.b.session.View().Label7, "相手からの受信が多すぎるため切断しました");
    EXPECT_FALSE(n.b.game.NetworkMode());
    EXPECT_FALSE(n.b.session.View().setudann);
    EXPECT_EQ(n.b.connection.calls.back(), "close");
    EXPECT_TRUE(n.b.sent.empty()) << "the refusal of an offer from a cut-off peer is not sent";
}

// Lines of every length up to a message's: after each one the log is the longest run of the
// newest whole lines that fits in its byte budget, and its line count says how many it holds.
// The count of lines appended tells the window what is new, however many were dropped.
TEST(NetHostilePeer, TheChatLogKeepsTheNewestLinesThatFitItsBytes) {
    NetPair n;
    const ConnectionControls& link = n.b.session.View();
    std::mt19937 random(7);
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i) {
        const auto length = std::uniform_int_distribution<std::size_t>(
            1, MessageDecoder::kMaxTextBytes - 1)(random);
        std::string line = std::to_string(i) + std::string(length, 'y');
        line.resize(length);
        n.b.Read(Text(MessageCode::ChatLine, line));
        lines.push_back(line + '\n');
        std::string kept;
        std::size_t count = 0;
        for (auto it = lines.rbegin();
             it != lines.rend() && kept.size() + it->size() <= NetSession::kMaxChatBytes;
             ++it, ++count)
            kept.insert(0, *it);
        ASSERT_EQ(link.Text100, kept) << "after line " << i;
        ASSERT_EQ(link.Text100Lines, count);
    }
    EXPECT_EQ(link.Text100Appended, 300u);
    EXPECT_LT(link.Text100Lines, 300u) << "the flood must have overflowed the log";
}

}  // namespace
}  // namespace torvane
