#include <gtest/gtest.h>

#include <tuple>

#include "NetPeers.h"

using namespace torvane;

using Calls = std::vector<std::string>;

TEST(NetPort, OnlyDecimalNumbersFrom1To65535) {
    EXPECT_EQ(ParsePort("80"), 80);
    EXPECT_EQ(ParsePort(" 5000\t"), 5000);
    EXPECT_EQ(ParsePort("65535"), 65535);
    for (const char* bad :
         {"", "  ", "0", "65536", "99999999999", "abc", "12a", "+80", "-1", "8 0", "５０００"})
        EXPECT_EQ(ParsePort(bad), std::nullopt) << bad;
}

TEST(NetConnectDialog, EmptyFieldsAreNamedInOrderAndNothingStarts) {
    NetPeer p;
    EXPECT_FALSE(p.session.ConnectDialogOk("", "", ""));
    EXPECT_FALSE(p.session.ConnectDialogOk("P1", "", "5000"));
    EXPECT_FALSE(p.session.ConnectDialogOk("P1", "10.0.0.2", ""));
    EXPECT_EQ(p.messages, (std::vector<std::string>{"ハンドルネームを入力してください",
                                                    "IPアドレスを入力してください",
                                                    "ポート番号を入力してください"}));
    EXPECT_EQ(p.connection.calls, (Calls{"close", "close", "close"}));
    EXPECT_TRUE(p.game.View().suruu && p.game.View().matu && p.game.View().sutato);
    EXPECT_FALSE(p.game.NetworkMode());
}

TEST(NetConnectDialog, StartsTheConnectionAndSwitchesCapturedPiecesOff) {
    NetPeer p;
    p.game.ApplySettings(SettingsChoice{.capturedPieces = true});
    ASSERT_TRUE(p.game.View().Picture3);
    EXPECT_TRUE(p.session.ConnectDialogOk("たろう", "10.0.0.2", " 5000 "));
    EXPECT_EQ(p.connection.calls, (Calls{"close", "connect 10.0.0.2:5000"}));
    const Controls& ui = p.game.View();
    const ConnectionControls& link = p.session.View();
    EXPECT_FALSE(ui.suruu || ui.matu || ui.sutato || ui.Picture1);
    EXPECT_TRUE(link.setudann);
    EXPECT_EQ(link.Label7, "接続中...");
    EXPECT_EQ(link.Label16, "たろう");
    EXPECT_EQ(link.Text2, "たろう");
    EXPECT_TRUE(p.game.NetworkMode());
    EXPECT_FALSE(ui.Picture2 || ui.Picture3);
    EXPECT_FALSE(p.game.SettingsOnLoad().capturedPieces);
}

TEST(NetConnectDialog, APortThatIsNoNumberRestoresTheMenus) {
    NetPeer p;
    EXPECT_FALSE(p.session.ConnectDialogOk("P1", "10.0.0.2", "http"));
    EXPECT_EQ(p.messages, std::vector<std::string>{"ポート番号は数字で入力してください。"});
    EXPECT_EQ(p.connection.calls, Calls{"close"});
    EXPECT_TRUE(p.game.View().suruu && p.game.View().matu && p.game.View().sutato);
    EXPECT_FALSE(p.session.View().setudann);
    EXPECT_EQ(p.session.View().Label16, "");
    EXPECT_FALSE(p.game.NetworkMode());
}

TEST(NetListenDialog, ListensOnThePortTyped) {
    NetPeer p;
    EXPECT_FALSE(p.session.ListenDialogOk("P1", ""));
    EXPECT_EQ(p.messages, std::vector<std::string>{"ポート番号を入力してください"});
    EXPECT_TRUE(p.session.ListenDialogOk("P1", "5000"));
    EXPECT_EQ(p.connection.calls, Calls{"listen 5000"});
    const Controls& ui = p.game.View();
    const ConnectionControls& link = p.session.View();
    EXPECT_FALSE(ui.suruu || ui.matu || ui.sutato || link.setudann);
    EXPECT_EQ(link.Label7, "ポート5000を監視中...");
    EXPECT_EQ(link.Text3, "5000");
    EXPECT_TRUE(p.game.NetworkMode());
}

TEST(NetListenDialog, FailuresKeepTheDialogOpenWithTheMenusBack) {
    NetPeer p;
    p.session.ListenDialogOk("P1", "5000");
    p.session.setudann_Click();
    p.messages.clear();
    ASSERT_EQ(p.session.View().Label7, "切断しました");
    EXPECT_FALSE(p.session.ListenDialogOk("P1", "abc"));
    EXPECT_EQ(p.session.View().Label7, "切断しました");
    p.connection.listenError = ConnectionError{kAddressInUse, "in use"};
    EXPECT_FALSE(p.session.ListenDialogOk("P1", "5000"));
    EXPECT_EQ(p.session.View().Label7, "ポート5000を監視中...");
    EXPECT_EQ(p.messages, (std::vector<std::string>{"ポート番号は数字で入力してください。",
                                                    "ポート5000は使用されています。"}));
    EXPECT_TRUE(p.game.View().suruu && p.game.View().matu && p.game.View().sutato);
    EXPECT_EQ(p.session.View().Label16, "");
    EXPECT_FALSE(p.game.NetworkMode());

    // Any other failure is not hidden behind the listening text.
    p.connection.listenError = ConnectionError{10013, "許可がありません"};
    EXPECT_FALSE(p.session.ListenDialogOk("P1", "80"));
    EXPECT_EQ(p.session.View().Label7, "許可がありません");
    EXPECT_EQ(p.messages.size(), 2u);
}

TEST(NetConnection, BothEndsOpenAndGreet) {
    NetPair n("たろう");
    EXPECT_EQ(n.a.connection.calls, (Calls{"listen 5000", "close", "accept 1"}));
    EXPECT_EQ(n.a.session.View().Label7, "接続されました");
    EXPECT_EQ(n.b.session.View().Label7, "接続できました");
    EXPECT_TRUE(n.a.game.View().kopyuuta && n.a.session.View().setudann &&
                n.a.session.View().Text100Enabled);
    EXPECT_FALSE(n.a.game.View().suruu || n.a.game.View().matu);
    EXPECT_FALSE(n.b.game.View().kopyuuta);
    EXPECT_TRUE(n.b.session.View().Text100Enabled);
    // Hello in code page 932, and the reply with the listener's handle.
    ASSERT_EQ(n.b.sent.size(), 1u);
    EXPECT_EQ(n.b.sent[0], Bytes({0xD0, 0x07, 0x82, 0xBD, 0x82, 0xEB, 0x82, 0xA4}));
    ASSERT_EQ(n.a.sent.size(), 1u);
    EXPECT_EQ(n.a.sent[0], Bytes({0xC4, 0x09, 'A'}));
    EXPECT_EQ(n.a.session.View().Label15, "たろう");
    EXPECT_EQ(n.b.session.View().Label15, "A");
}

TEST(NetConnection, AnEmptyHelloIsAnsweredToo) {
    NetPeer p;
    p.session.ListenDialogOk("A", "5000");
    p.session.ConnectionRequested(7);
    p.Read(Bytes({0xD0, 0x07, 'o', 'l', 'd'}));
    ASSERT_EQ(p.session.View().Label15, "old");
    p.sent.clear();
    p.Read(Bytes({0xD0, 0x07}));
    EXPECT_EQ(p.session.View().Label15, "");
    EXPECT_EQ(p.sent, std::vector<WireBytes>{Bytes({0xC4, 0x09, 'A'})});
}

TEST(NetConnection, DisconnectAsksThenResetsTheNetworkState) {
    NetPair n;
    n.Offer(false);  // a is Gote
    n.a.session.SendChat("hi");
    n.a.answers = {false};
    n.a.session.setudann_Click();
    EXPECT_EQ(n.a.session.View().Label7, "接続されました");
    EXPECT_TRUE(n.a.game.NetworkMode());

    n.a.session.setudann_Click();
    const Controls& ui = n.a.game.View();
    const ConnectionControls& link = n.a.session.View();
    EXPECT_EQ(n.a.connection.calls.back(), "close");
    EXPECT_FALSE(n.a.game.NetworkMode());
    EXPECT_EQ(n.a.game.LocalSide(), Side::Sente);
    EXPECT_TRUE(ui.sutato && ui.suruu && ui.matu);
    EXPECT_FALSE(link.setudann || ui.kopyuuta || ui.Timer1 || ui.Timer2 || ui.Picture1);
    EXPECT_EQ(link.Label7, "切断しました");
    EXPECT_EQ(ui.Label8 + link.Label15 + link.Text100, "");
    EXPECT_FALSE(link.Text100Enabled);
}

// The game that was running is over with the connection: resigning is no longer offered, so
// no message of a game at one computer can follow.
TEST(NetConnection, ThePeerClosingEndsTheGameAndLeavesStartAndSideAsTheyWere) {
    NetPair n;
    n.Offer(false);  // a is Gote
    n.b.Drag(45, 36);
    n.Pump();
    ASSERT_TRUE(n.a.game.View().touryou && n.a.game.View().Picture1);
    n.a.session.ClosedByPeer();
    const Controls& ui = n.a.game.View();
    const ConnectionControls& link = n.a.session.View();
    EXPECT_EQ(link.Label7, "切断されました");
    EXPECT_FALSE(n.a.game.NetworkMode());
    EXPECT_EQ(n.a.game.LocalSide(), Side::Gote);
    EXPECT_FALSE(ui.sutato);
    EXPECT_FALSE(ui.touryou);
    EXPECT_FALSE(n.a.game.NetworkGameRuns());
    EXPECT_TRUE(ui.suruu && ui.matu);
    EXPECT_FALSE(link.setudann || ui.Timer1 || ui.Timer2 || ui.Picture1 || link.Text100Enabled);
    EXPECT_EQ(ui.Label8 + link.Label15 + link.Text100, "");
}

// A connection lost in the middle of a game ends that game: it cannot go on at one computer.
// Outside a game the board and the clocks stay as they were.
TEST(NetConnection, ASocketErrorShowsItsTextAndEndsARunningGame) {
    NetPair idle;
    const Controls before = idle.a.game.View();
    idle.a.session.SocketError("x");
    const Controls& after = idle.a.game.View();
    EXPECT_EQ(std::tie(after.Picture1, after.Timer1, after.Timer2),
              std::tie(before.Picture1, before.Timer1, before.Timer2));

    NetPair n;
    n.Offer(true);  // a is Sente and to move
    n.a.session.SendChat("hi");
    ASSERT_TRUE(n.a.game.View().Picture1 && n.a.game.View().Timer1);
    n.a.session.SocketError("接続がリセットされました");
    const Controls& ui = n.a.game.View();
    const ConnectionControls& link = n.a.session.View();
    EXPECT_EQ(link.Label7, "接続がリセットされました");
    EXPECT_EQ(n.a.connection.calls.back(), "close");
    EXPECT_TRUE(ui.suruu && ui.matu && ui.sutato);
    EXPECT_FALSE(link.setudann);
    EXPECT_EQ(link.Label16, "");
    EXPECT_FALSE(n.a.game.NetworkMode());
    EXPECT_FALSE(ui.Picture1 || ui.Timer1 || ui.Timer2 || ui.touryou);
    EXPECT_EQ(link.Label15, "B");
    EXPECT_EQ(link.Text100, "A>>hi\n");
}
