#include "game/Game.h"
#include "game/PieceKind.h"

namespace torvane {

// A side that has no Elephant or no Rat left on the board has lost. Pieces in the hands do
// not count. Gote's loss is tested first; one move takes one piece, so both cannot lose.
void Game::EndOfGameScan() {
    SetScanFlags();
    if (GoteElephantSeen == 1 && GoteRatSeen == 1) {
        if (SenteElephantSeen == 1 && SenteRatSeen == 1) {
            GoteElephantSeen = SenteElephantSeen = GoteRatSeen = SenteRatSeen = 0;
            return;
        }
        EndOfGame(true);
    } else {
        EndOfGame(false);
    }
}

// The scan only sets the flags of the pieces it finds; they are cleared while the game goes on.
void Game::SetScanFlags() {
    for (const Cell& cell : Image1) {
        if (cell.Tag == GoteTag && cell.Kind == Elephant) GoteElephantSeen = 1;
        if (cell.Tag == GoteTag && cell.Kind == Rat) GoteRatSeen = 1;
        if (cell.Tag == SenteTag && cell.Kind == Elephant) SenteElephantSeen = 1;
        if (cell.Tag == SenteTag && cell.Kind == Rat) SenteRatSeen = 1;
    }
}

// The side that lost is told at one computer; in a network game the local player made the
// winning move and may offer the next game. The loser's clock is reset and the board locked.
void Game::EndOfGame(bool senteLost) {
    if (NetworkGame == 1) {
        ui.touryou = false;
        ui.kopyuuta = true;
        ui.Timer1 = ui.Timer2 = false;
        NetworkGameRunning = 0;
        shell_.ShowMessage("あなたの勝ちです");
    } else {
        shell_.ShowMessage(senteLost ? "先手の負けです" : "後手の負けです");
        ui.touryou = false;
    }
    if (senteLost) {
        ui.Label1 = kZeroClock;
        ZeroClock1Counters();
        ui.Timer1 = false;
    } else {
        ui.Label3 = kZeroClock;
        ZeroClock2Counters();
        ui.Timer2 = false;
    }
    ui.Picture1 = false;
}

}  // namespace torvane
