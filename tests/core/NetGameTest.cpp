#include <gtest/gtest.h>

#include "NetPeers.h"

using namespace torvane;

using Texts = std::vector<std::string>;

TEST(NetOffer, SenteOfferAcceptedSetsUpBothBoards) {
    NetPair n;
    n.Clear();
    n.Offer(true);
    EXPECT_EQ(n.a.sent[0], Bytes({0x90, 0x01, 'A'}));
    EXPECT_EQ(n.b.questions, Texts{"貴方が後手でよろしいですか?"});
    EXPECT_EQ(n.b.sent[0], Bytes({0x4C, 0x04, 'B'}));

    const Game& a = n.a.game;
    EXPECT_EQ(a.LocalSide(), Side::Sente);
    EXPECT_EQ(a.Squares(), SetupTemplate());
    EXPECT_TRUE(a.View().Picture1 && a.View().Timer1 && a.View().touryou);
    EXPECT_FALSE(a.View().Timer2 || a.View().kopyuuta);
    EXPECT_EQ(a.View().Label2 + a.View().Label4, "先手後手");
    EXPECT_EQ(a.View().Label2Back, kGreen);
    EXPECT_EQ(a.View().Label8, "あなたの番です");
    EXPECT_EQ(a.View().Label8Fore, kGreen);

    const Game& b = n.b.game;
    EXPECT_EQ(b.LocalSide(), Side::Gote);
    EXPECT_EQ(b.Squares()[76].Kind, Elephant);
    EXPECT_EQ(b.Squares()[76].Tag, "2");
    EXPECT_EQ(b.Squares()[4].Tag, "1");
    EXPECT_EQ(b.Squares()[76].Picture, SetupTemplate()[76].Picture);  // own pieces upright
    EXPECT_FALSE(b.View().Picture1 || b.View().Timer1);
    EXPECT_TRUE(b.View().Timer2);
    EXPECT_EQ(b.View().Label2 + b.View().Label4, "後手先手");
    EXPECT_EQ(b.View().Label4Back, kGreen);
    EXPECT_EQ(b.View().Label2Back, b.View().Label6Back);
    EXPECT_EQ(b.View().Label8, "相手の番です");
    EXPECT_EQ(n.b.session.View().Label15, "A");
}

TEST(NetOffer, GoteOfferAcceptedLetsThePeerMoveFirst) {
    NetPair n;
    n.Offer(false);
    EXPECT_EQ(n.b.questions, Texts{"貴方が先手でよろしいですか?"});
    EXPECT_EQ(n.a.game.LocalSide(), Side::Gote);
    EXPECT_EQ(n.a.game.Squares()[76].Tag, "2");
    EXPECT_FALSE(n.a.game.View().Picture1 || n.a.game.View().touryou);
    EXPECT_TRUE(n.a.game.View().Timer2);
    EXPECT_EQ(n.a.game.View().Label4Back, kGreen);
    EXPECT_EQ(n.b.game.LocalSide(), Side::Sente);
    EXPECT_TRUE(n.b.game.View().Picture1 && n.b.game.View().Timer1);
    EXPECT_EQ(n.b.game.View().Label8, "あなたの番です");
}

TEST(NetOffer, RefusedOfferLeavesTheOffererLockedAndFreeToOfferAgain) {
    NetPair n;
    Place(n.a.game, 45, BlankCell);
    n.Clear();
    n.Offer(true, false);
    EXPECT_EQ(n.b.sent, std::vector<WireBytes>{Bytes({0x78, 0x05})});
    EXPECT_EQ(n.b.session.View().Text7, "A");
    EXPECT_EQ(n.b.game.View().Label8, "");
    EXPECT_TRUE(n.b.messages.empty());
    EXPECT_EQ(n.a.messages, Texts{"対局を拒否されました"});
    EXPECT_EQ(n.a.game.Squares(), SetupTemplate());
    EXPECT_FALSE(n.a.game.View().Picture1 || n.a.game.View().touryou);
    EXPECT_TRUE(n.a.game.View().kopyuuta);

    n.Offer(false);
    EXPECT_EQ(n.a.game.LocalSide(), Side::Gote);
    EXPECT_EQ(n.b.game.LocalSide(), Side::Sente);
}

TEST(NetOffer, LastGamesGoteOfferingSenteBecomesSente) {
    NetPair n;
    n.Offer(false);
    n.b.game.touryou_Click();  // b resigns: a has won and may offer the next game
    n.Pump();
    ASSERT_TRUE(n.a.game.View().kopyuuta);
    n.Offer(true);
    EXPECT_EQ(n.a.game.LocalSide(), Side::Sente);
    EXPECT_EQ(n.a.game.Squares(), SetupTemplate());
    EXPECT_EQ(n.b.game.LocalSide(), Side::Gote);
}

TEST(NetOffer, AnAnswerGivenAfterTheConnectionEndedStartsNothing) {
    NetPair n;
    n.b.whileModal = [&] { n.b.session.ClosedByPeer(); };
    n.Clear();
    n.Offer(true);
    EXPECT_TRUE(n.b.sent.empty());
    EXPECT_EQ(n.b.game.LocalSide(), Side::Sente);
    EXPECT_EQ(n.b.game.View().Label8, "");
}

TEST(NetOffer, BytesArrivingWhileTheQuestionIsOpenWaitForTheAnswer) {
    NetPair n;
    n.b.whileModal = [&] {
        n.b.Read(Encode(CodeMsg{MessageCode::ChatLine, "A>>早く"}));
        EXPECT_EQ(n.b.session.View().Text100, "");
    };
    n.Offer(true);
    EXPECT_EQ(n.b.session.View().Text100, "A>>早く\n");
    EXPECT_EQ(n.b.game.LocalSide(), Side::Gote);
}

TEST(NetMove, TravelsAsTwoCellsAndLandsTurnedOnThePeer) {
    NetPair n;
    n.Offer(true);
    n.Clear();
    n.a.Drag(45, 36);
    EXPECT_EQ(n.a.sent, std::vector<WireBytes>{Bytes({0x2D, 0x00, 0x24, 0x00})});
    EXPECT_FALSE(n.a.game.View().Picture1 || n.a.game.View().touryou);
    EXPECT_EQ(n.a.game.View().Label8, "相手の番です");
    n.Pump();
    const Game& b = n.b.game;
    EXPECT_EQ(b.Squares()[44].Kind, Dog);
    EXPECT_EQ(b.Squares()[44].Tag, "1");
    EXPECT_EQ(b.Squares()[35], BlankCell);
    EXPECT_EQ(b.ToMove(), Side::Gote);
    EXPECT_TRUE(b.View().Picture1 && b.View().touryou && b.View().Timer1);
    EXPECT_FALSE(b.View().Timer2);
    EXPECT_EQ(b.View().Label2Back, kGreen);
    EXPECT_EQ(b.View().Label4Back, b.View().Label6Back);
    EXPECT_EQ(b.View().Label8, "あなたの番です");
    EXPECT_EQ(n.b.sounds, std::vector<int>{101});

    // B answers with its own Dog; A sees it arrive from the top.
    n.b.Drag(45, 36);
    n.Pump();
    EXPECT_EQ(n.a.game.Squares()[44].Tag, "2");
    EXPECT_EQ(n.a.game.ToMove(), Side::Sente);
    EXPECT_TRUE(n.a.game.View().Picture1);
}

// Each side's captures go to its own hand at the bottom; the peer's to the top hand.
TEST(NetMove, CapturesLandInTheCapturersHandOnBothScreens) {
    NetPair n;
    n.Offer(false);  // a Gote, b Sente
    n.b.Drag(49, 40);
    n.Pump();
    n.a.Drag(47, 48);
    n.Pump();
    n.b.Drag(40, 31);  // b's Dog takes a's Dog, which stands on a's 49
    n.Pump();
    EXPECT_EQ(n.b.game.HandSlots(Hand::Image4)[0].Kind, Dog);
    EXPECT_EQ(n.b.game.HandSlots(Hand::Image4)[0].Tag, "1");
    EXPECT_EQ(n.a.game.HandSlots(Hand::Image5)[0].Kind, Dog);
    EXPECT_EQ(n.a.game.HandSlots(Hand::Image5)[0].Tag, "1");
    for (const Cell& slot : n.a.game.HandSlots(Hand::Image4)) EXPECT_EQ(slot, BlankCell);

    n.a.Drag(48, 49);  // a takes it back
    n.Pump();
    EXPECT_EQ(n.a.game.HandSlots(Hand::Image4)[0].Tag, "2");
    EXPECT_EQ(n.b.game.HandSlots(Hand::Image5)[0].Tag, "2");
    EXPECT_EQ(n.b.game.Squares()[31].Tag, "2");
    EXPECT_EQ(n.b.game.Squares()[32], BlankCell);
    for (int i = 0; i < kCellCount; ++i) {  // the same position, turned by half a turn
        EXPECT_EQ(n.a.game.Squares()[i].Kind, n.b.game.Squares()[80 - i].Kind) << i;
        EXPECT_EQ(n.a.game.Squares()[i].Tag, n.b.game.Squares()[80 - i].Tag) << i;
    }
}

namespace {

// Sente's Rat walks from 75 up column 3 and takes Gote's Elephant on 4; Gote moves a Dog to
// and fro meanwhile. Returns after the taking move has reached Gote.
void RatTakesElephant(NetPair& n) {
    const int rat[] = {75, 66, 57, 48, 39, 30, 21, 12, 4};
    for (int i = 0; i + 1 < 9; ++i) {
        n.a.Drag(rat[i], rat[i + 1]);
        n.Pump();
        if (i == 7) break;
        i % 2 ? n.b.Drag(36, 45) : n.b.Drag(45, 36);
        n.Pump();
    }
}

}  // namespace

TEST(NetWholeGame, TheElephantsLossEndsTheGameOnBothSides) {
    NetPair n;
    n.Offer(true);
    n.Clear();
    RatTakesElephant(n);
    // Gote was told when the Rat came next to its Elephant; Sente, who moved it, was not.
    EXPECT_EQ(n.a.messages, Texts{"あなたの勝ちです"});
    EXPECT_EQ(n.b.messages, (Texts{"象手です", "あなたの負けです"}));
    for (const Game* g : {&n.a.game, &n.b.game})
        EXPECT_FALSE(g->View().Picture1 || g->View().touryou || g->View().Timer1 ||
                     g->View().Timer2);
    EXPECT_TRUE(n.a.game.View().kopyuuta);
    EXPECT_FALSE(n.b.game.View().kopyuuta);
    EXPECT_EQ(n.b.game.Squares()[76].Kind, Rat);
    EXPECT_EQ(n.b.game.Squares()[76].Tag, "1");
    EXPECT_EQ(n.b.game.HandSlots(Hand::Image5)[0].Kind, Elephant);
    EXPECT_EQ(n.a.game.HandSlots(Hand::Image4)[0].Kind, Elephant);
    EXPECT_EQ(n.b.game.View().Label3, kZeroClock);

    // The game is over: a move that still arrives changes nothing on either side.
    for (NetPeer* p : {&n.a, &n.b}) {
        BoardCells after = p->game.Squares();
        p->Read(Encode(MoveMsg{36, 45}));
        p->Read(Encode(MoveMsg{45, 36}));
        EXPECT_EQ(p->game.Squares(), after);
        EXPECT_FALSE(p->game.View().Picture1);
    }
}

TEST(NetWholeGame, AResignationReceivedStopsBothClocks) {
    NetPair n;
    n.Offer(true);
    n.a.Drag(45, 36);
    n.Pump();  // b (Gote) to move, its clock running
    n.Clear();
    n.a.connection.Send(Encode(CodeMsg{MessageCode::Resign, {}}));
    n.Pump();
    const Game& b = n.b.game;
    EXPECT_EQ(n.b.messages, Texts{"相手が投了しました"});
    EXPECT_FALSE(b.View().Timer1 || b.View().Timer2 || b.View().Picture1 || b.View().touryou);
    EXPECT_TRUE(b.View().kopyuuta);
    EXPECT_EQ(b.View().Label3, kZeroClock);
    EXPECT_EQ(b.Clocks().Timer2Seconds + b.Clocks().Timer2Display + b.Clocks().ClockMinutes, 0);
    // Outside a running game the same message is ignored.
    n.a.connection.Send(Encode(CodeMsg{MessageCode::Resign, {}}));
    n.Pump();
    EXPECT_EQ(n.b.messages.size(), 1u);
}

TEST(NetWholeGame, RunningOutOfTimeIsTheOthersWin) {
    NetPair n;
    n.Offer(true);
    n.Clear();
    for (int tick = 0; tick < 181; ++tick) n.a.game.Timer1_Timer();
    EXPECT_EQ(n.a.sent, std::vector<WireBytes>{Bytes({0x14, 0x05})});
    n.Pump();
    EXPECT_EQ(n.a.messages, Texts{"あなたの負けです。"});
    EXPECT_EQ(n.b.messages, Texts{"あなたの勝ちです"});
    EXPECT_FALSE(n.b.game.View().Timer1 || n.b.game.View().Timer2 || n.b.game.View().touryou);
    EXPECT_TRUE(n.b.game.View().kopyuuta);
    EXPECT_FALSE(n.a.game.View().kopyuuta);
}

TEST(NetChat, LinesInAsciiAndJapaneseReachBothLogsInOrder) {
    NetPair n("P1");
    ChangeSettings(n.b.game, [](SettingsChoice& c) { c.sound = false; });
    n.b.session.SendChat("hello");
    n.Pump();
    n.a.session.SendChat("こんにちは、よろしく");
    n.Pump();
    n.b.session.SendChat("");
    EXPECT_TRUE(n.b.unread.empty());
    // A line break in a typed line (no input box lets one through, a program may) is shown
    // by both ends as the receiver shows it, so each entry of the log stays one line.
    n.a.session.SendChat("two\nlines");
    n.Pump();
    EXPECT_EQ(n.a.session.View().Text100,
              "P1>>hello\nA>>こんにちは、よろしく\nA>>two\xEF\xBF\xBDlines\n");
    EXPECT_EQ(n.b.session.View().Text100, n.a.session.View().Text100);
    EXPECT_EQ(n.a.session.View().Text100Lines, 3u);
    EXPECT_EQ(n.b.sounds, (std::vector<int>{102, 102}));  // even with sound effects off
    EXPECT_EQ(n.a.sounds, std::vector<int>{102});
}

TEST(NetChat, ALineThatCannotBeSentIsNotShown) {
    NetPeer p;
    p.sendSucceeds = false;
    p.session.SendChat("hello");
    EXPECT_EQ(p.session.View().Text100, "");
}

// The peer's move and the local resignation cross on the wire: the game is over for the one
// who resigned, and the move no longer changes the board.
TEST(NetWholeGame, AMoveCrossingTheLocalResignationIsNotApplied) {
    NetPair n;
    n.Offer(true);
    n.a.Drag(45, 36);
    n.Pump();
    n.b.Drag(45, 36);  // b's move is on its way ...
    ASSERT_EQ(n.b.unread.size(), 1u);
    WireBytes move = n.b.unread.back();
    n.b.unread.clear();
    n.a.answers.push_back(true);
    n.a.game.touryou_Click();  // ... while a resigns
    BoardCells before = n.a.game.Squares();
    n.a.Read(move);
    EXPECT_EQ(n.a.game.Squares(), before);
    EXPECT_FALSE(n.a.game.View().Picture1);
    EXPECT_EQ(n.a.messages.back(), "貴方の負けです");
}

// The peer's clock passes the limit and its loss on time never comes (its program stopped or
// its machine vanished): after the grace period the player is asked, may wait once more, and
// then gives up on the peer. A loss on time that comes late ends the waiting instead.
TEST(NetSilentPeer, IsGivenUpAfterTheGracePeriodUnlessItsLossArrives) {
    for (bool lossArrives : {false, true}) {
        NetPair pair;
        pair.Offer(true);
        pair.a.Drag(45, 36);
        pair.Pump();
        Game& a = pair.a.game;
        for (int s = 0; s < 200 && a.View().Timer2; ++s) a.Timer2_Timer();
        ASSERT_FALSE(a.View().Timer2);
        EXPECT_TRUE(a.View().PeerOverdue);
        EXPECT_TRUE(a.NetworkGameRuns());
        pair.Clear();
        if (lossArrives) {
            for (int s = 0; s < 200 && pair.b.game.View().Timer1; ++s) pair.b.game.Timer1_Timer();
            pair.Pump();
            EXPECT_FALSE(a.View().PeerOverdue);
            pair.a.session.PeerNotAnswering();
            EXPECT_TRUE(pair.a.questions.empty());
            EXPECT_EQ(pair.a.messages, std::vector<std::string>{"あなたの勝ちです"});
            continue;
        }
        pair.a.answers = {false, true};
        pair.a.session.PeerNotAnswering();
        EXPECT_TRUE(a.View().PeerOverdue) << "waiting for another grace period";
        EXPECT_TRUE(a.NetworkMode());
        pair.a.session.PeerNotAnswering();
        EXPECT_EQ(pair.a.questions,
                  std::vector<std::string>(2, "相手から応答がありません。切断しますか?"));
        EXPECT_FALSE(a.View().PeerOverdue);
        EXPECT_FALSE(a.NetworkMode());
        EXPECT_EQ(pair.a.connection.calls.back(), "close");
        EXPECT_EQ(pair.a.session.View().Label7, "切断しました");
    }
}
