#include "game/Game.h"
#include "rules/MovementRules.h"

namespace torvane {

// The peer's step `from` → `to`, already turned into the local view and judged possible. The
// taken piece goes into the peer's hand, the top one, whichever side the peer plays.
void Game::ApplyPeerMove(int from, int to) {
    MakePeerMove(Move::Step(from, to));
}

// The move of the player across the board (the peer or the computer): a step, or a drop from
// the top hand.
void Game::MakePeerMove(const Move& move) {
    ui.Label8Fore = kGreen;
    ui.Label8 = "あなたの番です";
    ui.touryou = true;
    ui.PeerOverdue = false;
    MakeRecorded(&Game::PlayAcross, move, true);
    PeerMoveScan();
}

// What the player across the board takes goes into his hand.
void Game::PlayAcross(const Move& move) {
    if (Image1[move.to].Tag == EmptyTag) {
        ApplyMove(move);
        PassTurnToLocal();
    } else {
        PassTurnToLocal();
        ApplyMove(move, LocalIsGote == 1 ? Side::Sente : Side::Gote);
    }
    Turn = LocalIsGote;
}

// A network game is running, the local board is locked and the turn is the peer's, and
// neither side has lost yet (a local move that decided the game leaves the turn with the peer).
bool Game::PeerMayMove() const {
    return NetworkGame == 1 && NetworkGameRunning == 1 && !boardOpen_ && Turn != LocalIsGote &&
           BothSidesComplete();
}

// One of the peer's pieces steps to a neighbouring cell that is empty or holds a local piece
// it may take.
bool Game::IsPeerStep(int from, int to) const {
    const std::string& peer = LocalIsGote == 1 ? SenteTag : GoteTag;
    const std::string& local = LocalIsGote == 1 ? GoteTag : SenteTag;
    const Cell& source = Image1[from];
    const Cell& target = Image1[to];
    if (source.Tag != peer || !IsStepNeighbour(from, to)) return false;
    if (target.Tag == EmptyTag) return true;
    return target.Tag == local &&
           JudgeCapture(source, target, peer, local) == CaptureOutcome::Capture;
}

// The local marker turns green, the peer's takes the neutral colour, the peer's clock reads
// zero and the local clock runs from zero.
void Game::PassTurnToLocal() {
    PassTurnToBottom();
    RunTimer1();
    LocalIsGote == 1 ? clocks.ZeroBottom() : clocks.ZeroTop();
}

// The end-of-game scan after the peer's move. The local player may move on, or has lost; the
// winner's side gets `kopyuuta` from its own scan, the loser's does not.
void Game::PeerMoveScan() {
    bool goteComplete = HasElephantAndRat(Image1, GoteTag);
    if (BothSidesComplete()) {
        SetBoardOpen(true);
        return;
    }
    if (ComputerGame == 1) {
        ui.Timer1 = ui.Timer2 = false;
        return EndOfGame(goteComplete);
    }
    NetworkGameRunning = 0;
    ui.Timer2 = ui.Timer1 = false;
    ui.touryou = false;
    RecordLossOnBoard(goteComplete ? Side::Sente : Side::Gote);
    shell_.ShowMessage("あなたの負けです");
    if (goteComplete) {
        ui.Label1 = kZeroClock;
        clocks.ZeroBottom();
    } else {
        ui.Label3 = kZeroClock;
        clocks.ZeroTop();
    }
    SetBoardOpen(false);
}

}  // namespace torvane
