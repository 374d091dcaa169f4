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
    game_.ConnectionReceived();
    ui.setudann = true;
    ui.Text100Enabled = true;
}

// Nothing is sent: the peer learns of it when its socket closes.
void NetSession::setudann_Click() {
    if (shell_.AskYesNo("切断しますか?")) Disconnect();
}

void NetSession::PeerNotAnswering() {
    if (game_.GiveUpOnOverduePeer()) Disconnect();
}

void NetSession::Disconnect() {
    connection_.Close();
    game_.Disconnected();
    ui.setudann = false;
    ui.Label7 = "切断しました";
    ui.Label15.clear();
    ClearChatLog();
    ui.Text100Enabled = false;
    ResetConnectionState();
}

void NetSession::ClosedByPeer() {
    if (DeferWhileReceiving([this] { ClosedByPeer(); })) return;
    connection_.Close();
    game_.PeerClosedConnection();
    ui.Label7 = "切断されました";
    ui.Label15.clear();
    ClearChatLog();
    ui.Text100Enabled = false;
    ui.setudann = false;
    ResetConnectionState();
}

// The peer's name, the chat log and `kopyuuta` stay as they are.
void NetSession::SocketError(const std::string& description) {
    if (DeferWhileReceiving([this, description] { SocketError(description); })) return;
    game_.ConnectionBroke();
    ui.Label7 = description;
    connection_.Close();
    ui.setudann = false;
    ui.Label16.clear();
    ResetConnectionState();
}

// A connection begins or ends: no game or offer carries over, and bytes of the old connection
// that were not yet a whole message are forgotten with it.
void NetSession::ResetConnectionState() {
    game_.NoNetworkGame();
    pendingOffer_.reset();
    decoder_ = MessageDecoder();
    inbox_.clear();
}

}  // namespace torvane
