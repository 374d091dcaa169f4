#include <utility>

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

// The pictures travel first; the sound and the check notice come while the target still holds
// the kind and tag of what stood there, and the origin those of the moving piece.
void Game::TransferPiece(const Move& move) {
    Cell& origin = Origin(move);
    Cell& to = Image1[move.to];
    to.Picture = origin.Picture;
    to.DragIcon = origin.DragIcon;
    origin.Picture = BlankCell.Picture;
    MoveSound();
    CheckStep(origin, move.to);
    to.Kind = origin.Kind;
    to.Tag = origin.Tag;
    origin.Kind = BlankCell.Kind;
    origin.Tag = BlankCell.Tag;
    origin.DragIcon = BlankCell.DragIcon;
}

// The board cell or hand slot the moving piece leaves.
const Cell& Game::Origin(const Move& move) const {
    if (!move.IsDrop()) return Image1[move.from];
    return (move.hand == Hand::Image4 ? Image4 : Image5)[move.slot];
}

Cell& Game::Origin(const Move& move) {
    return const_cast<Cell&>(std::as_const(*this).Origin(move));
}

// The sound starts, and the half-made move is shown at once. Only a repaint happens here, no
// other events, so no press, tick or socket message can act on the half-made move.
void Game::MoveSound() {
    if (SoundOff != 0) return;
    shell_.PlaySound(MoveSoundId);
    shell_.RepaintNow();
}

// The local player of a network game is not told of his own threat; the peer is, when the
// move arrives there.
void Game::CheckStep(const Cell& mover, int cell) {
    if (LocalNetMove == 1) {
        LocalNetMove = 0;
        return;
    }
    if (CheckNoticeOff == 0) AnnounceElephantCheck(mover, cell);
}

void Game::HandOverToPeer(const Move& move) {
    if (ComputerGame == 1) return HandOverToComputer();
    if (NetworkGame != 1) return;
    SetBoardOpen(false);
    ui.Label8Fore = kBlack;
    ui.Label8 = "相手の番です";
    ui.touryou = false;
    if (peer_) peer_->SendMove(move.from, move.to);
}

}  // namespace torvane
