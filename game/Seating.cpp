#include "game/Game.h"

namespace torvane {

// The players take their seats on a freshly laid-out start position: the local player at the
// bottom (a Gote player sees the board turned), Sente to move. The mover's marker turns green
// and its clock runs; the local board is open exactly when the local player moves first.
void Game::SeatPlayers(Side local) {
    bool gote = local == Side::Gote;
    LocalIsGote = gote ? 1 : 0;
    ui.Label2 = gote ? "後手" : "先手";
    ui.Label4 = gote ? "先手" : "後手";
    if (gote) MirrorTags();
    ui.Label2Back = ui.Label4Back = ui.Label6Back;
    if (!gote) {
        ui.Label2Back = kGreen;
        RunTimer1();
        SetBoardOpen(true);
        ui.Label8Fore = kGreen;
        ui.Label8 = "あなたの番です";
        return;
    }
    ui.Label4Back = kGreen;
    RunTimer2();
    if (ComputerGame == 1) return HandOverToComputer();
    SetBoardOpen(false);
    ui.Label8Fore = kBlack;
    ui.Label8 = "相手の番です";
}

// An offer was accepted, by either side: the game starts from the start position, and its
// record names the players by their handles. The offer item stays away until the game is over.
void Game::StartNetworkGame(Side local, const std::string& localHandle,
                            const std::string& peerHandle) {
    NetworkSetup();
    SeatPlayers(local);
    if (local == Side::Sente)
        NamePlayers(localHandle, peerHandle);
    else
        NamePlayers(peerHandle, localHandle);
    ui.kopyuuta = false;
    NetworkGameRunning = 1;
}

void Game::TellAcrossItsTurn() {
    if (across_ && (ComputerMayMove() || PeerMayMove())) across_->YourTurn();
}

}  // namespace torvane
