#include "game/Game.h"
#include "game/PieceKind.h"
#include "images/PieceImageTable.h"

namespace torvane {

namespace {

bool IsEmptySlot(const Cell& slot) {
    return slot.Picture == BlankCell.Picture;
}

}  // namespace

void Game::FindFreeHandSlot(Hand hand) {
    HandCells& cells = hand == Hand::Image4 ? Image4 : Image5;
    int& next = hand == Hand::Image4 ? NextFreeSlot4 : NextFreeSlot5;
    for (int k = 0; k < kHandSlots; ++k) {
        if (IsEmptySlot(cells[k])) {
            next = k;
            return;
        }
    }
}

// The taken piece goes into the hand on the capturer's side of the screen, in that hand's ink,
// with the capturer's tag. Which side captured is read from `Turn` and `LocalIsGote`, which the
// callers set around this call. Called before the moving piece is copied onto `ToCell`.
void Game::CaptureToHand() {
    if (NoCapture == 1) {
        NoCapture = 0;
        return;
    }
    bool topHand = Turn == 0;  // the row of the capture table
    const std::string& capturedTag = (LocalIsGote == 1) == topHand ? GoteTag : SenteTag;
    Hand hand = topHand ? Hand::Image5 : Hand::Image4;
    ImageInk ink = topHand ? ImageInk::Red : ImageInk::Black;

    FindFreeHandSlot(hand);
    Cell& slot = (topHand ? Image5 : Image4)[topHand ? NextFreeSlot5 : NextFreeSlot4];
    const Cell& captured = Image1[ToCell];
    if (captured.Tag != capturedTag || !IsPieceKind(captured.Kind)) return;
    // A full hand has no slot to spare: the taken piece leaves the game instead of
    // overwriting a piece that is already in the hand.
    if (!IsEmptySlot(slot)) return;

    slot.Kind = captured.Kind;
    slot.Tag = Image1[FromCell].Tag;
    slot.Picture = PieceImageId(captured.Kind, ink, ImageVariant::Normal);
    slot.DragIcon = PieceImageId(captured.Kind, ink, ImageVariant::Held);
}

}  // namespace torvane
