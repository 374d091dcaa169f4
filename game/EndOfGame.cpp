#include "game/Game.h"
#include "rules/MovementRules.h"

namespace torvane {

// A side that has no Elephant or no Rat left on the board has lost. Pieces in the hands do
// not count. One move takes one piece, so both sides cannot lose at once; Gote is judged first.
void Game::EndOfGameScan() {
    if (BothSidesComplete()) return;
    EndOfGame(HasElephantAndRat(Image1, GoteTag));
}

bool Game::BothSidesComplete() const {
    return HasElephantAndRat(Image1, SenteTag) && HasElephantAndRat(Image1, GoteTag);
}

// The side that lost is told at one computer, and the player's result against the computer; in
// a network game the local player made the winning move and may offer the next game. The
// loser's clock is reset and the board locked.
void Game::EndOfGame(bool senteLost) {
    RecordLossOnBoard(senteLost ? Side::Sente : Side::Gote);
    if (NetworkGame == 1) {
        ui.touryou = false;
        ui.kopyuuta = true;
        ui.Timer1 = ui.Timer2 = false;
        NetworkGameRunning = 0;
        shell_.ShowMessage("あなたの勝ちです");
    } else {
        const bool againstComputer = ComputerGame == 1;
        EndComputerGame();
        shell_.ShowMessage(againstComputer ? PlayerResult(senteLost ? Side::Sente : Side::Gote)
                           : senteLost     ? "先手の負けです"
                                           : "後手の負けです");
        ui.touryou = false;
    }
    // Off the network the bottom side is Sente's, unless the board is turned for a Gote player
    // of the computer.
    if (senteLost != (NetworkGame != 1 && LocalIsGote == 1)) {
        ui.Label1 = kZeroClock;
        clocks.ZeroBottom();
        ui.Timer1 = false;
    } else {
        ui.Label3 = kZeroClock;
        clocks.ZeroTop();
        ui.Timer2 = false;
    }
    SetBoardOpen(false);
}

// Against the computer the end of a game names the player's result, as a network game does.
const char* Game::PlayerResult(Side loser) const {
    return loser == LocalSide() ? "あなたの負けです" : "あなたの勝ちです";
}

}  // namespace torvane
