#include "game/Game.h"

namespace torvane {

// "投了(&F)": the player gives up the running game. At one computer it is always the side to
// move that resigns; in a network game it is the local player, whoever is to move.
void Game::touryou_Click() {
    if (!shell_.AskYesNo("投了しますか?")) return;
    ui.touryou = false;
    bool playerSide = NetworkGame == 1 || ComputerGame == 1;
    Side localSide = LocalIsGote == 1 ? Side::Gote : Side::Sente;
    RecordResult(GameEnd::Resignation,
                 playerSide ? localSide : (Turn == 0 ? Side::Sente : Side::Gote));
    if (NetworkGame == 1) {
        if (across_) across_->LocalResigned();
        NetworkGameRunning = 0;  // a move of the peer's crossing the resignation is not applied
        StopClockAfterResignation(true);
        // The peer's clock runs when the resignation comes on the peer's move; the game is
        // over, so it stops where it stands.
        ui.Timer2 = false;
        shell_.ShowMessage("貴方の負けです");
    } else if (ComputerGame == 1) {
        // Against the computer the player resigns, on either turn; both clocks stop.
        if (across_) across_->LocalResigned();
        EndComputerGame();
        ui.Timer2 = false;
        StopClockAfterResignation(true);
        shell_.ShowMessage(PlayerResult(LocalSide()));
    } else if (Turn == 0) {
        StopClockAfterResignation(true);
        shell_.ShowMessage("先手の負けです。");
    } else {
        StopClockAfterResignation(false);
        shell_.ShowMessage("後手の負けです。");
    }
}

// The resigning side's clock goes back to zero and stops, and the board is locked.
void Game::StopClockAfterResignation(bool bottom) {
    (bottom ? ui.Label1 : ui.Label3) = kZeroClock;
    bottom ? clocks.ZeroBottom() : clocks.ZeroTop();
    (bottom ? ui.Timer1 : ui.Timer2) = false;
    SetBoardOpen(false);
}

}  // namespace torvane
