#include "game/Game.h"

namespace torvane {

// The peer's own clock ran out. Outside a running network game it means nothing and is
// ignored. A broken peer may report it on the local player's turn, so the board locks too.
void Game::PeerOutOfTime() {
    if (NetworkGameRunning != 1) return;
    EndNetworkGameWon(GameEnd::TimeUp);
    shell_.ShowMessage("あなたの勝ちです");
}

// The peer resigned, perhaps while the local player was to move: the local clock stops too,
// or it would run out later and report a loss of a game that is already won.
void Game::PeerResigned() {
    if (NetworkGameRunning != 1) return;
    EndNetworkGameWon(GameEnd::Resignation);
    ui.Label3 = kZeroClock;
    clocks.ZeroTop();
    shell_.ShowMessage("相手が投了しました");
}

// The peer's clock passed the limit a grace period ago and its loss has not come: the peer's
// program may have stopped or its machine vanished. No grace runs while the player is asked;
// the player may give up on the peer, or wait for another grace period.
bool Game::GiveUpOnOverduePeer() {
    if (!ui.PeerOverdue || NetworkGameRunning != 1) return false;
    ui.PeerOverdue = false;
    if (shell_.AskYesNo("相手から応答がありません。切断しますか?")) return true;
    ui.PeerOverdue = NetworkGameRunning == 1;
    return false;
}

// The peer lost the running game by `end`: the clocks stop, the board locks and the local
// player may offer the next game.
void Game::EndNetworkGameWon(GameEnd end) {
    NetworkGameRunning = 0;
    RecordResult(end, LocalIsGote == 1 ? Side::Sente : Side::Gote);
    ui.PeerOverdue = false;
    ui.Timer2 = ui.Timer1 = false;
    SetBoardOpen(false);
    ui.kopyuuta = true;
    ui.touryou = false;
}

}  // namespace torvane
