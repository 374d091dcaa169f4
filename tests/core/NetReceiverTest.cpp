#include <gtest/gtest.h>

#include "NetPeers.h"

using namespace torvane;

namespace {

// `b` is Gote and waits for Sente's first move; its start position, turned, is on the board.
struct WaitingGote : NetPair {
    WaitingGote() {
        Offer(true);
        Clear();
        before = b.game.Squares();
    }
    void Unchanged() {
        EXPECT_EQ(b.game.Squares(), before);
        EXPECT_EQ(b.game.ToMove(), Side::Sente);
        EXPECT_FALSE(b.game.View().Picture1);
        EXPECT_EQ(b.game.View().Label8, "相手の番です");
    }
    void Put(int cell, PieceKind kind, const char* tag) {
        Place(b.game, cell, Cell{1, tag, kind, 2});
        before = b.game.Squares();
    }
    BoardCells before;
};

}  // namespace

TEST(NetFraming, ACodeAndItsTextInTwoReads) {
    WaitingGote n;
    n.b.session.BytesArrived(Bytes({0xB0, 0x04}));
    n.b.session.BytesArrived(Bytes({'A', '>', '>', 'h', 'i'}));
    EXPECT_EQ(n.b.session.View().Text100, "");
    n.b.session.TextQuietPeriodElapsed();
    EXPECT_EQ(n.b.session.View().Text100, "A>>hi\n");
}

// The quiet period that ends a text counts from when the bytes arrived, not from when they are
// handed over: bytes that came a quiet period or more after the text end it first, however
// late they are handed over; bytes that came sooner continue it.
TEST(NetFraming, ATextEndsByTheTimeTheNextBytesArrived) {
    WaitingGote n;
    ArrivalClock::time_point t0{};
    auto at = [&](int ms) { return t0 + std::chrono::milliseconds(ms); };
    WireBytes line = Encode(CodeMsg{MessageCode::ChatLine, "A>>one"});
    n.b.session.BytesArrived(line, at(1000));
    n.b.session.BytesArrived(Bytes({'+'}), at(1059));
    n.b.session.BytesArrived(Encode(CodeMsg{MessageCode::ChatLine, "A>>two"}), at(1119));
    EXPECT_EQ(n.b.session.View().Text100, "A>>one+\n");
    n.b.session.BytesArrived(Encode(MoveMsg{45, 36}), at(1179));
    EXPECT_EQ(n.b.session.View().Text100, "A>>one+\nA>>two\n");
    EXPECT_EQ(n.b.game.Squares()[44].Kind, Dog) << "the move after the text was taken";
}

// The window's quiet timer ends a text only once nothing came for the quiet period: not when
// it wakes early, nor while bytes read within the period are still on their way to the
// session; bytes read after a quiet period would end the text themselves, so they do not wait.
TEST(NetFraming, TheQuietTimerEndsATextOnlyAfterAQuietPeriod) {
    using Check = NetSession::QuietCheck;
    WaitingGote n;
    NetSession& session = n.b.session;
    ArrivalClock::time_point t0{};
    auto at = [&](int ms) { return t0 + std::chrono::milliseconds(ms); };
    session.BytesArrived(Encode(CodeMsg{MessageCode::ChatLine, "A>>one"}), at(1000));
    EXPECT_EQ(session.TextQuietLeft(at(1059)), std::chrono::milliseconds(1));
    EXPECT_EQ(session.QuietTimerFired(at(1059), at(1000)), Check::NotYet);
    EXPECT_EQ(session.QuietTimerFired(at(1100), at(1059)), Check::BytesOnTheirWay);
    session.BytesArrived(Bytes({'+'}), at(1059));
    EXPECT_EQ(session.QuietTimerFired(at(1100), at(1059)), Check::NotYet);
    EXPECT_EQ(n.b.session.View().Text100, "");
    EXPECT_EQ(session.QuietTimerFired(at(1130), at(1125)), Check::TextEnded);
    EXPECT_EQ(n.b.session.View().Text100, "A>>one+\n");
    EXPECT_FALSE(session.TextPending());
}

// The second move comes out of turn: only the first counts, and the chat line still does.
TEST(NetFraming, TwoMovesAndALineInOneRead) {
    WaitingGote n;
    WireBytes read;
    for (const Message& m : {Message(MoveMsg{45, 36}), Message(MoveMsg{36, 27}),
                             Message(CodeMsg{MessageCode::ChatLine, "A>>x"})}) {
        WireBytes bytes = Encode(m);
        read.insert(read.end(), bytes.begin(), bytes.end());
    }
    n.b.Read(read);
    EXPECT_EQ(n.b.game.Squares()[44].Kind, Dog);
    EXPECT_EQ(n.b.game.Squares()[53].Tag, "2");
    EXPECT_EQ(n.b.game.ToMove(), Side::Gote);
    EXPECT_TRUE(n.b.game.View().Picture1);
    EXPECT_EQ(n.b.session.View().Text100, "A>>x\n");
}

// A character split across reads arrives whole; a quiet period after a lone lead byte ends
// the text with a replacement character, and what comes next is a message of its own.
TEST(NetFraming, ACharacterSplitAcrossReadsArrivesWholeAndALoneLeadByteEndsTheText) {
    WaitingGote n;
    WireBytes line = Encode(CodeMsg{MessageCode::ChatLine, "A>>将棋"});
    std::size_t cut = line.size() - 1;  // between the lead and trail byte of 棋
    n.b.session.BytesArrived(std::span(line).first(cut));
    n.b.Read(WireBytes(line.begin() + cut, line.end()));
    EXPECT_EQ(n.b.session.View().Text100, "A>>将棋\n");

    n.b.session.BytesArrived(std::span(line).first(cut));
    n.b.session.TextQuietPeriodElapsed();
    n.b.Read(Encode(CodeMsg{MessageCode::ChatLine, "A>>x"}));
    EXPECT_EQ(n.b.session.View().Text100, "A>>将棋\nA>>将\xEF\xBF\xBD\nA>>x\n");
}

TEST(NetReceivedMove, CellsOffTheBoardAndNumbersThatAreNoCodeAreIgnored) {
    WaitingGote n;
    for (auto [from, to] : {std::pair{81, 44}, {-1, 36}, {45, 200}, {999, 5}, {-32768, 32767}})
        n.b.Read(Encode(MoveMsg{std::int16_t(from), std::int16_t(to)}));
    n.Unchanged();
    n.b.Read(Encode(MoveMsg{45, 36}));  // the stream is still in step
    EXPECT_EQ(n.b.game.Squares()[44].Kind, Dog);
}

TEST(NetReceivedMove, MovesThePeerCouldNotHaveMadeChangeNothing) {
    WaitingGote n;
    n.b.Read(Encode(MoveMsg{35, 44}));  // b's own Dog (a's view 35 is b's 45)
    n.b.Read(Encode(MoveMsg{45, 27}));  // two cells
    n.b.Read(Encode(MoveMsg{36, 27}));  // from a cell without a piece
    n.b.Read(Encode(MoveMsg{76, 77}));  // onto the peer's own Rat
    n.b.Read(Encode(MoveMsg{53, 54}));  // across the edge: b's 27 to 26
    n.Put(35, Tiger, "2");              // a local Tiger in front of the peer's Dog on 44
    n.Put(44, Dog, "1");
    n.b.Read(Encode(MoveMsg{36, 45}));  // Dog onto Tiger: refused, and the board stays locked
    n.Unchanged();
}

TEST(NetReceivedMove, AMoveOutsideThePeersTurnIsIgnored) {
    NetPair n;
    BoardCells start = n.b.game.Squares();
    n.b.Read(Encode(MoveMsg{45, 36}));  // connected, no game
    EXPECT_EQ(n.b.game.Squares(), start);
    n.a.session.OfferGame(false);  // an offer is pending on a, not yet read by b
    n.a.Read(Encode(MoveMsg{45, 36}));
    EXPECT_EQ(n.a.game.Squares(), SetupTemplate());
    n.b.answers.push_back(true);
    n.Pump();  // b is Sente and to move
    start = n.b.game.Squares();
    n.b.Read(Encode(MoveMsg{45, 36}));
    EXPECT_EQ(n.b.game.Squares(), start);
    EXPECT_EQ(n.b.game.ToMove(), Side::Sente);
}

TEST(NetReceivedMove, ThePeersPieceSeenFromTheOtherSide) {
    WaitingGote n;
    Place(n.b.game, 40, BlankCell);
    n.Put(49, Dog, "1");
    n.b.Read(Encode(MoveMsg{31, 40}));
    EXPECT_EQ(n.b.game.Squares()[40].Kind, Dog);
    EXPECT_EQ(n.b.game.Squares()[49], BlankCell);
    // The record keeps the move as Sente sees the board.
    const RecordedMove& recorded = n.b.game.History().entries().back().move;
    EXPECT_EQ(recorded.from, 31);
    EXPECT_EQ(recorded.to, 40);
    EXPECT_TRUE(n.b.game.View().Picture1);
}

TEST(NetReceivedMove, CaptureRules) {
    WaitingGote n;
    n.Put(44, Crocodile, "1");
    n.Put(35, Crocodile, "2");
    n.b.Read(Encode(MoveMsg{36, 45}));  // equal kinds take each other
    EXPECT_EQ(n.b.game.Squares()[35].Tag, "1");
    EXPECT_EQ(n.b.game.HandSlots(Hand::Image5)[0].Kind, Crocodile);

    WaitingGote e;
    e.Put(66, Elephant, "1");
    e.Put(67, Rat, "2");
    e.b.Read(Encode(MoveMsg{14, 13}));  // the Elephant never takes a Rat
    e.Unchanged();
}

TEST(NetReceivedMove, ARatTakingTheLocalElephantLosesTheGame) {
    WaitingGote n;
    n.Put(67, Rat, "1");  // next to b's Elephant on 76
    n.b.Read(Encode(MoveMsg{13, 4}));
    EXPECT_EQ(n.b.messages, std::vector<std::string>{"あなたの負けです"});
    EXPECT_FALSE(n.b.game.View().Picture1 || n.b.game.View().kopyuuta || n.b.game.View().touryou);
    EXPECT_EQ(n.b.game.Squares()[76].Kind, Rat);
}

// The notice opens once the move is complete: while it is open the move is on the board, in
// the record with its time, and the turn display and clocks are the receiver's.
TEST(NetReceivedMove, TheCheckNoticeIsGivenToTheReceiverAfterTheMove) {
    WaitingGote n;
    n.Put(58, Rat, "1");
    const Game& b = n.b.game;
    n.b.whileModal = [&] {
        EXPECT_EQ(b.Squares()[68].Kind, Rat);
        EXPECT_EQ(b.Squares()[58].Tag, b.EmptyTag);
        ASSERT_EQ(b.History().entries().size(), 1U);
        EXPECT_EQ(b.History().entries().back().move.kind, Rat);
        EXPECT_EQ(b.View().Label8, "あなたの番です");
        EXPECT_TRUE(b.View().Timer1);
        EXPECT_FALSE(b.View().Timer2);
        EXPECT_EQ(b.View().Label2Back, kGreen);
    };
    n.b.Read(Encode(MoveMsg{22, 12}));  // to 68, next to b's Elephant on 76
    EXPECT_EQ(n.b.messages, std::vector<std::string>{"象手です"});
    EXPECT_FALSE(n.b.whileModal);
}

// The peer closes while the check notice of its move is open: the move is completed first,
// then the close leaves the board locked and the clocks stopped.
TEST(NetReceivedMove, AClosePendingDuringTheMoveComesAfterIt) {
    WaitingGote n;
    n.Put(58, Rat, "1");
    n.b.whileModal = [&] { n.b.session.ClosedByPeer(); };
    n.b.Read(Encode(MoveMsg{22, 12}));
    EXPECT_EQ(n.b.game.Squares()[68].Kind, Rat);
    EXPECT_EQ(n.b.session.View().Label7, "切断されました");
    EXPECT_FALSE(n.b.game.View().Picture1 || n.b.game.View().Timer1 || n.b.game.View().Timer2);
    EXPECT_FALSE(n.b.game.NetworkMode());
}

TEST(NetReceivedMessages, AnswersToNoOfferAndEndingsOfNoGameAreIgnored) {
    NetPair n;
    n.Offer(true);
    n.Clear();
    const std::string peerHandle = n.a.session.View().Label15;
    n.a.Read(Encode(CodeMsg{MessageCode::AcceptSente, "X"}));
    n.a.Read(Encode(CodeMsg{MessageCode::AcceptGote, "X"}));
    n.a.Read(Encode(CodeMsg{MessageCode::Refuse, {}}));
    EXPECT_EQ(n.a.session.View().Label15, peerHandle);
    EXPECT_EQ(n.a.game.LocalSide(), Side::Sente);
    EXPECT_TRUE(n.a.game.View().Picture1 && n.a.game.View().touryou);
    EXPECT_FALSE(n.a.game.View().kopyuuta);
    EXPECT_TRUE(n.a.messages.empty());

    NetPair idle;
    idle.Clear();
    idle.b.Read(Encode(CodeMsg{MessageCode::TimeLoss, {}}));
    idle.b.Read(Encode(CodeMsg{MessageCode::Resign, {}}));
    EXPECT_TRUE(idle.b.messages.empty());
    EXPECT_FALSE(idle.b.game.View().kopyuuta);
}

TEST(NetReceivedMessages, PeerTextIsBoundedAndAlwaysValid) {
    NetPair n;
    WireBytes chat = Bytes({0xB0, 0x04, 'x', 0xFF, 0xA0});
    chat.insert(chat.end(), 6000, 'y');
    n.b.Read(chat);
    const std::string& log = n.b.session.View().Text100;
    EXPECT_LE(log.size(), MessageDecoder::kMaxTextBytes + 8);
    EXPECT_EQ(log.substr(0, 7), "x\xEF\xBF\xBD\xEF\xBF\xBD");  // two replacement characters
    n.b.Read(Encode(CodeMsg{MessageCode::HelloReply, "<b>相手</b>"}));
    EXPECT_EQ(n.b.session.View().Label15, "<b>相手</b>");
}
