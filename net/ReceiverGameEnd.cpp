#include "game/Game.h"

namespace torvane {

// The peer's own clock ran out. Outside a running game the message means nothing and is
// ignored.
void Game::ReceiveTimeLoss() {
    if (NetworkGameRunning != 1) return;
    NetworkGameRunning = 0;
    ui.Timer2 = ui.Timer1 = false;
    ui.kopyuuta = true;
    ui.touryou = false;
    shell_.ShowMessage("あなたの勝ちです");
}

// The peer resigned, perhaps while the local player was to move: the local clock stops too,
// or it would run out later and report a loss of a game that is already won.
void Game::ReceiveResign() {
    if (NetworkGameRunning != 1) return;
    NetworkGameRunning = 0;
    ui.Label3 = kZeroClock;
    ZeroClock2Counters();
    ui.Timer2 = ui.Timer1 = false;
    ui.Picture1 = false;
    ui.kopyuuta = true;
    ui.touryou = false;
    shell_.ShowMessage("相手が投了しました");
}

}  // namespace torvane
