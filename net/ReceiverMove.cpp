#include "game/Game.h"
#include "game/PieceKind.h"
#include "rules/MovementRules.h"

namespace torvane {

// The peer moved one of his pieces; the cells come in his view and are turned by half a turn.
// A move is taken only while the local board waits for it, and only when it is one the peer
// could have made: anything else (a peer out of step, or bytes that are no move) is ignored
// and leaves the game as it was.
void Game::ReceiveMove(const MoveMsg& move) {
    if (!move.valid() || !PeerMayMove()) return;
    int from = kCellCount - 1 - move.FromCell;
    int to = kCellCount - 1 - move.ToCell;
    if (!IsPeerStep(from, to)) return;

    FromCell = from;
    ToCell = to;
    ui.Label8Fore = kGreen;
    ui.Label8 = "あなたの番です";
    ui.touryou = true;
    HandDrag = 0;      // a received move is always from board to board
    LocalNetMove = 0;  // the local player is told of a threat the peer's move makes
    if (Image1[ToCell].Tag == EmptyTag) {
        NoCapture = 1;
        ApplyMove();
        PassTurnToLocal();
    } else {
        // The peer's capture: with `Turn` at 0 during the move, `CaptureToHand` puts the
        // taken piece into the top hand, the peer's, whichever side the peer plays.
        PassTurnToLocal();
        Turn = 0;
        ApplyMove();
    }
    Turn = LocalIsGote;
    PeerMoveScan();
}

// A network game is running, the local board is locked and the turn is the peer's, and
// neither side has lost yet (a local move that decided the game leaves the turn with the peer).
bool Game::PeerMayMove() const {
    return NetworkGame == 1 && NetworkGameRunning == 1 && !ui.Picture1 && Turn != LocalIsGote &&
           HasElephantAndRat(Image1, SenteTag) && HasElephantAndRat(Image1, GoteTag);
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
    PassTurnToLabel2();
    RunTimer1();
    LocalIsGote == 1 ? ZeroClock1Counters() : ZeroClock2Counters();
}

// The end-of-game scan after the peer's move. The local player may move on, or has lost; the
// winner's side gets `kopyuuta` from its own scan, the loser's does not.
void Game::PeerMoveScan() {
    SetScanFlags();
    bool goteComplete = GoteElephantSeen == 1 && GoteRatSeen == 1;
    if (goteComplete && SenteElephantSeen == 1 && SenteRatSeen == 1) {
        GoteElephantSeen = SenteElephantSeen = GoteRatSeen = SenteRatSeen = 0;
        ui.Picture1 = true;
        return;
    }
    NetworkGameRunning = 0;
    ui.Timer2 = ui.Timer1 = false;
    ui.touryou = false;
    shell_.ShowMessage("あなたの負けです");
    if (goteComplete) {
        ui.Label1 = kZeroClock;
        ZeroClock1Counters();
    } else {
        ui.Label3 = kZeroClock;
        ZeroClock2Counters();
    }
    ui.Picture1 = false;
}

}  // namespace torvane
