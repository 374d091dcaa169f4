#include "game/Game.h"
#include "images/PieceImageTable.h"
#include "rules/PieceKind.h"

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

// The hand on a side's side of the screen: the bottom hand is the local player's in a network
// game (Gote's when the board is turned for Gote), Sente's at one computer.
Hand Game::HandOf(Side side) const {
    Side bottom = LocalIsGote == 1 ? Side::Gote : Side::Sente;
    return side == bottom ? Hand::Image4 : Hand::Image5;
}

// The taken piece goes into the capturer's hand, in that hand's ink, with the capturer's tag.
// Called before the moving piece is copied onto the move's target.
void Game::CaptureToHand(const Move& move, Side capturer) {
    Hand hand = HandOf(capturer);
    bool topHand = hand == Hand::Image5;
    ImageInk ink = topHand ? ImageInk::Red : ImageInk::Black;

    FindFreeHandSlot(hand);
    Cell& slot = (topHand ? Image5 : Image4)[topHand ? NextFreeSlot5 : NextFreeSlot4];
    const Cell& captured = Image1[move.to];
    if (captured.Tag != TagOf(Opponent(capturer)) || !IsPieceKind(captured.Kind)) return;
    // A full hand has no slot to spare: the taken piece leaves the game instead of
    // overwriting a piece that is already in the hand.
    if (!IsEmptySlot(slot)) return;

    slot = PieceCell(captured.Kind, TagOf(capturer), ink);
}

}  // namespace torvane
