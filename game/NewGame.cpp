#include "game/Game.h"

namespace torvane {

// "スタート(&S)": the message is shown while the previous position is still on the board; the
// new position is laid out only after it is confirmed.
void Game::sutato_Click() {
    EndComputerGame();
    LocalIsGote = 0;
    SetBoardOpen(true);
    ui.touryou = true;
    shell_.ShowMessage("先手の番です");

    ui.Label2Back = ui.Label6Back;
    ui.Label4Back = ui.Label6Back;
    ui.Label2Back = kGreen;
    ui.Label2 = "先手";
    ui.Label4 = "後手";

    RunTimer1();
    LayOutStartPosition();
}

}  // namespace torvane
