#include "game/Game.h"

namespace torvane {

// A new game as "スタート(&S)" starts one; a Gote player sees the board turned, as in a network
// game, and the computer (Sente) is to move first. Connecting waits until the game is over.
void Game::StartComputerGame(bool playerIsGote, PlayerAcross& computer, bool timeLimit) {
    sutato_Click();
    ComputerGame = 1;
    computerTimeLimit_ = timeLimit;
    across_ = &computer;
    ui.suruu = ui.matu = false;
    SeatPlayers(playerIsGote ? Side::Gote : Side::Sente);
    TellAcrossItsTurn();
}

bool Game::ComputerMayMove() const {
    return ComputerGame == 1 && Turn != LocalIsGote && BothSidesComplete();
}

// The player's board is locked while the computer thinks.
void Game::HandOverToComputer() {
    SetBoardOpen(false);
    ui.Label8Fore = kBlack;
    ui.Label8 = "コンピュータの番です";
}

// A step goes through the peer's routine; a drop takes the piece from the computer's hand, the
// top one, as a hand drag of the player would from the bottom one.
bool Game::ApplyComputerMove(const EngineMove& move) {
    if (!ComputerMayMove()) return false;
    if (!move.drop) {
        if (move.from < 0 || move.to < 0 || !IsPeerStep(move.from, move.to)) return false;
        ApplyPeerMove(move.from, move.to);
        return true;
    }
    int slot = 0;
    if (!IsComputerDrop(move, slot)) return false;
    MakePeerMove(Move::Drop(Hand::Image5, slot, move.to));
    return true;
}

bool Game::IsComputerDrop(const EngineMove& move, int& slot) const {
    if (!settings_.capturedPieces || move.to < 0 || move.to >= kCellCount) return false;
    if (Image1[move.to].Tag != EmptyTag) return false;
    const std::string& computer = LocalIsGote == 1 ? SenteTag : GoteTag;
    for (slot = 0; slot < kHandSlots; ++slot)
        if (Image5[slot].Tag == computer && Image5[slot].Kind == move.kind) return true;
    return false;
}

// The engine gives up when the computer has no move left: it loses as a side that resigns.
void Game::ComputerResigns() {
    if (!ComputerMayMove()) return;
    ui.touryou = false;
    RecordResult(GameEnd::Resignation, LocalIsGote == 1 ? Side::Sente : Side::Gote);
    EndComputerGame();
    ui.Timer1 = false;
    StopClockAfterResignation(false);
    shell_.ShowMessage(PlayerResult(Opponent(LocalSide())));
}

// Called when a game against the computer is decided, and before every new game (which clears
// what the last one left).
void Game::EndComputerGame() {
    computerGameDecided_ = ComputerGame == 1 && history_.result().has_value();
    if (ComputerGame == 0) return;
    ComputerGame = 0;
    across_ = nullptr;
    ui.suruu = ui.matu = true;
    ui.Label8.clear();
}

}  // namespace torvane
