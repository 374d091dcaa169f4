#include "game/Game.h"

namespace torvane {

// "スタート(&S)": the message is shown while the previous position is still on the board; the
// new position is laid out only after it is confirmed.
void Game::sutato_Click() {
    ui.Picture1 = true;
    ui.touryou = true;
    shell_.ShowMessage("先手の番です");

    ui.Label2Back = ui.Label6Back;
    ui.Label4Back = ui.Label6Back;
    ui.Label2Back = kGreen;
    ui.Label2 = "先手";
    ui.Label4 = "後手";

    RunTimer1();
    Timer1Seconds = Timer1Display = Timer2Seconds = Timer2Display = ClockMinutes = 0;
    Turn = 0;
    ui.Label1 = kZeroClock;
    ui.Label3 = kZeroClock;

    const BoardCells& setup = SetupTemplate();
    TemplateCursor = 161;
    for (int i = 0; i < kCellCount; ++i) {
        CopyPiece(setup[TemplateCursor - 161], Image1[i]);
        ++TemplateCursor;
    }
    for (Cell& slot : Image4) Clear(slot);
    for (Cell& slot : Image5) Clear(slot);
}

}  // namespace torvane
