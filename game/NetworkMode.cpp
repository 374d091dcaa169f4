#include "game/Game.h"

namespace torvane {

// While a connection is made no game runs and none can be started: the clocks stop and the
// board locks.
void Game::AwaitConnection() {
    ui.suruu = ui.matu = ui.sutato = false;
    SetBoardOpen(false);
    ui.Timer2 = ui.Timer1 = false;
}

// From here on the socket carries the game: the use of captured pieces is switched off, as the
// settings dialog would do, since the peer has no way to receive a drop from a hand.
void Game::EnterNetworkMode(PlayerAcross& peer) {
    NetworkGame = 1;
    across_ = &peer;
    settings_.capturedPieces = false;
    ui.Picture2 = ui.Picture3 = false;
}

// Only the listening side may offer the first game.
void Game::ConnectionReceived() {
    ui.kopyuuta = true;
    ui.suruu = ui.matu = false;
}

// The local player offered a game on `local`'s side: the position is reset, the clocks stop and
// the board stays locked until the answer comes; the markers keep their captions until then.
// A Sente player may resign from the offer on.
void Game::AwaitAnswerToOffer(Side local) {
    if (local == Side::Sente) ui.touryou = true;
    ui.Timer2 = ui.Timer1 = false;
    NetworkSetup();
    ui.kopyuuta = false;
    NetworkGameRunning = 0;
}

// The board keeps the reset position, locked; a Sente player's resignation goes with the offer.
void Game::OfferRefused() {
    ui.touryou = false;
    SetBoardOpen(false);
    ui.kopyuuta = true;
}

// The connection began or ended: no network game carries over.
void Game::NoNetworkGame() {
    NetworkGameRunning = 0;
    ui.PeerOverdue = false;
}

// The connection never came: the program plays at one computer again.
void Game::ConnectionNotMade() {
    ui.suruu = ui.matu = ui.sutato = true;
    NetworkGame = 0;
    across_ = nullptr;
}

// The local player disconnected: every game item is back but the offer, the clocks stop and
// the board locks, and the local player's side is forgotten.
void Game::Disconnected() {
    NetworkGame = LocalIsGote = 0;
    across_ = nullptr;
    ui.sutato = ui.suruu = ui.matu = true;
    ui.kopyuuta = false;
    ui.Timer2 = ui.Timer1 = false;
    ui.Label8.clear();
    SetBoardOpen(false);
}

// The peer closed the connection. Unlike the disconnect command this leaves `sutato`,
// `kopyuuta` and the local player's side as they are. A game that was running is over: there
// is nobody left to resign to.
void Game::PeerClosedConnection() {
    NetworkGame = 0;
    across_ = nullptr;
    ui.touryou = false;
    ui.Timer2 = ui.Timer1 = false;
    ui.Label8.clear();
    ui.suruu = ui.matu = true;
    SetBoardOpen(false);
}

// The connection was lost (reset, or the peer's machine stopped answering the keepalive
// probes). A network game that was running is over: its clocks stop and the board locks, so
// it cannot go on as a game at one computer. Otherwise the board lock and the clocks stay as
// they are.
void Game::ConnectionBroke() {
    if (NetworkGameRunning == 1) {
        ui.Timer1 = ui.Timer2 = false;
        SetBoardOpen(false);
    }
    ui.touryou = false;
    ui.suruu = ui.matu = ui.sutato = true;
    NetworkGame = LocalIsGote = 0;
    across_ = nullptr;
}

}  // namespace torvane
