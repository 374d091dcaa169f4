#include "game/Game.h"

namespace torvane {

// Both clocks at zero, Sente to move, the start position on the board and both hands empty.
void Game::LayOutStartPosition() {
    StartRecord();
    clocks.ZeroBoth();
    Turn = 0;
    ui.Label1 = kZeroClock;
    ui.Label3 = kZeroClock;
    LayOut(SetupTemplate());
}

// A network game begins with both markers neutral (the caller turns one green).
void Game::NetworkSetup() {
    ui.PeerOverdue = false;
    ui.Label2Back = ui.Label6Back;
    ui.Label4Back = ui.Label6Back;
    LayOutStartPosition();
}

// The Gote player sees his own pieces at the bottom: the start position is point-symmetric in
// kinds and pictures, so turning the owner tags by half a turn is enough.
void Game::MirrorTags() {
    const BoardCells& setup = SetupTemplate();
    for (int i = 0; i < kCellCount; ++i) Image1[i].Tag = setup[kCellCount - 1 - i].Tag;
}

}  // namespace torvane
