#include "game/Game.h"

namespace torvane {

// Moves the piece from its origin (a hand slot or cell `FromCell`) to cell `ToCell`. The
// pictures travel first; the sound and the check notice come while the target still holds the
// kind and tag of what stood there, and the origin those of the moving piece.
void Game::ApplyMove() {
    if (HandDrag == 1) {
        HandDrag = 0;
        Cell& slot = (FromImage4 == 1 ? Image4 : Image5)[HandSlot];
        if (FromImage4 == 1) FromImage4 = 0;
        TransferPiece(slot);
        return;
    }
    CaptureToHand(SideOfTag(Image1[FromCell].Tag));
    TransferPiece(Image1[FromCell]);
}

void Game::TransferPiece(Cell& origin) {
    Cell& to = Image1[ToCell];
    to.Picture = origin.Picture;
    to.DragIcon = origin.DragIcon;
    origin.Picture = BlankCell.Picture;
    MoveSound();
    CheckStep(origin);
    to.Kind = origin.Kind;
    to.Tag = origin.Tag;
    origin.Kind = BlankCell.Kind;
    origin.Tag = BlankCell.Tag;
    origin.DragIcon = BlankCell.DragIcon;
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
void Game::CheckStep(const Cell& mover) {
    if (LocalNetMove == 1) {
        LocalNetMove = 0;
        return;
    }
    if (CheckNoticeOff == 0) AnnounceElephantCheck(mover);
}

void Game::HandOverToPeer() {
    if (ComputerGame == 1) return HandOverToComputer();
    if (NetworkGame != 1) return;
    SetBoardOpen(false);
    ui.Label8Fore = kBlack;
    ui.Label8 = "相手の番です";
    ui.touryou = false;
    if (peer_) peer_->SendMove(FromCell, ToCell);
}

}  // namespace torvane
