#include "game/Game.h"

namespace torvane {

void Game::ApplyMove(const Move& move) {
    TransferPiece(move);
}

// The taken piece is in the capturer's hand before the moving piece is copied over it.
void Game::ApplyMove(const Move& move, Side capturer) {
    CaptureToHand(move, capturer);
    TransferPiece(move);
}

// The pictures travel first; the sound comes, and the threat to the Elephant is judged, while
// the target still holds the kind and tag of what stood there, and the origin those of the
// moving piece. The notice of the threat waits until the whole move is made.
void Game::TransferPiece(const Move& move) {
    MovePiece(move, [&](const Cell& mover) {
        MoveSound();
        elephantThreatened_ = settings_.checkNotice && ThreatensElephant(mover, move.to);
    });
}

// The sound starts, and the half-made move is shown at once. Only a repaint happens here, no
// other events, so no press, tick or socket message can act on the half-made move.
void Game::MoveSound() {
    if (!settings_.sound) return;
    shell_.PlaySound(MoveSoundId);
    shell_.RepaintNow();
}

// The player across the board hears of the move at once: the peer before any box of the move
// opens, as its program shows the move meanwhile.
void Game::HandOverToPeer(const Move& move) {
    if (ComputerGame == 1) {
        HandOverToComputer();
    } else if (NetworkGame == 1) {
        SetBoardOpen(false);
        ui.Label8Fore = kBlack;
        ui.Label8 = "相手の番です";
        ui.touryou = false;
    } else {
        return;
    }
    if (across_) across_->LocalMoved(move);
}

}  // namespace torvane
