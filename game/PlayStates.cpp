#include "game/Game.h"

namespace torvane {

PlayState Game::Snapshot() const {
    PlayState s;
    s.board = Image1;
    s.bottomHand = Image4;
    s.topHand = Image5;
    s.turn = Turn;
    s.nextFreeSlot4 = NextFreeSlot4;
    s.nextFreeSlot5 = NextFreeSlot5;
    s.clocks = clocks;
    s.computerGame = ComputerGame;
    s.networkGame = NetworkGame;
    s.boardOpen = boardOpen_;
    s.label1 = ui.Label1;
    s.label3 = ui.Label3;
    s.label8 = ui.Label8;
    s.label2Back = ui.Label2Back;
    s.label4Back = ui.Label4Back;
    s.label8Fore = ui.Label8Fore;
    s.timer1 = ui.Timer1;
    s.timer2 = ui.Timer2;
    s.touryou = ui.touryou;
    s.suruu = ui.suruu;
    s.matu = ui.matu;
    return s;
}

// Nothing of a move in progress survives: no piece is held and no range is shown.
void Game::Restore(const PlayState& s) {
    Image1 = s.board;
    Image4 = s.bottomHand;
    Image5 = s.topHand;
    Turn = s.turn;
    NextFreeSlot4 = s.nextFreeSlot4;
    NextFreeSlot5 = s.nextFreeSlot5;
    clocks = s.clocks;
    ComputerGame = s.computerGame;
    SetBoardOpen(s.boardOpen);
    ui.Label1 = s.label1;
    ui.Label3 = s.label3;
    ui.Label8 = s.label8;
    ui.Label2Back = s.label2Back;
    ui.Label4Back = s.label4Back;
    ui.Label8Fore = s.label8Fore;
    ui.Timer1 = s.timer1;
    ui.Timer2 = s.timer2;
    ui.touryou = s.touryou;
    ui.suruu = s.suruu;
    ui.matu = s.matu;
    inProgress_.End();
    rangeOnDisplay_ = false;
}

}  // namespace torvane
