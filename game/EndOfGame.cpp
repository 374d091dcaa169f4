#include "game/Game.h"
#include "game/PieceKind.h"

namespace torvane {

// A side that has no Elephant or no Rat left on the board has lost. Pieces in the hands do
// not count. Gote's loss is tested first; one move takes one piece, so both cannot lose.
void Game::EndOfGameScan() {
    for (const Cell& cell : Image1) {
        if (cell.Tag == GoteTag && cell.Kind == Elephant) GoteElephantSeen = 1;
        if (cell.Tag == GoteTag && cell.Kind == Rat) GoteRatSeen = 1;
        if (cell.Tag == SenteTag && cell.Kind == Elephant) SenteElephantSeen = 1;
        if (cell.Tag == SenteTag && cell.Kind == Rat) SenteRatSeen = 1;
    }
    if (GoteElephantSeen == 1 && GoteRatSeen == 1) {
        if (SenteElephantSeen == 1 && SenteRatSeen == 1) {
            GoteElephantSeen = SenteElephantSeen = GoteRatSeen = SenteRatSeen = 0;
            return;
        }
        EndOfGameA();
    } else {
        EndOfGameB();
    }
}

// Sente has lost.
void Game::EndOfGameA() {
    if (NetworkGame == 1) {
        ui.touryou = false;
        ui.kopyuuta = true;
        ui.Timer2 = false;
        ui.Timer1 = false;
        shell_.ShowMessage("あなたの勝ちです");
    } else {
        shell_.ShowMessage("先手の負けです");
        ui.touryou = false;
    }
    ui.Label1 = kZeroClock;
    ZeroClock1Counters();
    ui.Timer1 = false;
    ui.Picture1 = false;
}

// Gote has lost.
void Game::EndOfGameB() {
    if (NetworkGame == 1) {
        ui.touryou = false;
        ui.kopyuuta = true;
        ui.Timer1 = false;
        ui.Timer2 = false;
        shell_.ShowMessage("あなたの勝ちです");
    } else {
        shell_.ShowMessage("後手の負けです");
        ui.touryou = false;
    }
    ui.Label3 = kZeroClock;
    ZeroClock2Counters();
    ui.Timer2 = false;
    ui.Picture1 = false;
}

}  // namespace torvane
