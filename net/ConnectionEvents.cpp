#include "net/NetSession.h"

namespace torvane {

// The connecting side greets the peer as soon as the connection is open.
void NetSession::Connected() {
    ui.Label7 = "接続できました";
    ui.Text100Enabled = true;
    ResetConnectionState();
    Send(CodeMsg{MessageCode::Hello, ui.Text2});
}

// Only the listening side may offer the first game.
void NetSession::ConnectionRequested(int requestId) {
    connection_.Close();
    connection_.Accept(requestId);
    ResetConnectionState();
    ui.Label7 = "接続されました";
    ui.kopyuuta = true;
    ui.suruu = ui.matu = false;
    ui.setudann = true;
    ui.Text100Enabled = true;
}

// Nothing is sent: the peer learns of it when its socket closes.
void NetSession::setudann_Click() {
    if (shell_.AskYesNo("切断しますか?")) Disconnect();
}

// The grace period after the peer's clock passed the limit is over and its loss has not come:
// the peer's program may have stopped or its machine vanished. The player may give up on it,
// or wait for another grace period.
void NetSession::PeerNotAnswering() {
    if (!ui.PeerOverdue || game_.NetworkGameRunning != 1) return;
    ui.PeerOverdue = false;
    if (shell_.AskYesNo("相手から応答がありません。切断しますか?"))
        Disconnect();
    else
        ui.PeerOverdue = game_.NetworkGameRunning == 1;
}

void NetSession::Disconnect() {
    connection_.Close();
    game_.NetworkGame = game_.LocalNetMove = game_.LocalIsGote = 0;
    ui.sutato = ui.suruu = ui.matu = true;
    ui.setudann = ui.kopyuuta = false;
    ui.Timer2 = ui.Timer1 = false;
    ui.Label7 = "切断しました";
    ui.Label8.clear();
    ui.Label15.clear();
    ClearChatLog();
    ui.Text100Enabled = false;
    game_.SetBoardOpen(false);
    ResetConnectionState();
}

// Unlike the disconnect command this leaves `sutato`, `kopyuuta` and `LocalIsGote` as they
// are. A game that was running is over: there is nobody left to resign to.
void NetSession::ClosedByPeer() {
    if (DeferWhileReceiving([this] { ClosedByPeer(); })) return;
    connection_.Close();
    game_.NetworkGame = game_.LocalNetMove = 0;
    ui.Label7 = "切断されました";
    ui.touryou = false;
    ui.Label15.clear();
    ui.Timer2 = ui.Timer1 = false;
    ui.Label8.clear();
    ClearChatLog();
    ui.Text100Enabled = false;
    ui.suruu = ui.matu = true;
    ui.setudann = false;
    game_.SetBoardOpen(false);
    ResetConnectionState();
}

// The peer's name, the chat log and `kopyuuta` stay as they are. A network game that was
// running is over (the connection was lost: reset, or the peer's machine stopped answering
// the keepalive probes): its clocks stop and the board locks, so it cannot go on as a game at
// one computer. Otherwise the board lock and the clocks stay as they are.
void NetSession::SocketError(const std::string& description) {
    if (DeferWhileReceiving([this, description] { SocketError(description); })) return;
    if (game_.NetworkGameRunning == 1) {
        ui.Timer1 = ui.Timer2 = false;
        game_.SetBoardOpen(false);
    }
    ui.Label7 = description;
    ui.touryou = false;
    connection_.Close();
    ui.suruu = ui.matu = ui.sutato = true;
    ui.setudann = false;
    ui.Label16.clear();
    game_.NetworkGame = game_.LocalNetMove = game_.LocalIsGote = 0;
    ResetConnectionState();
}

// A connection begins or ends: no game or offer carries over, and bytes of the old connection
// that were not yet a whole message are forgotten with it.
void NetSession::ResetConnectionState() {
    game_.NetworkGameRunning = 0;
    ui.PeerOverdue = false;
    pendingOffer_.reset();
    decoder_ = MessageDecoder();
    inbox_.clear();
}

}  // namespace torvane
