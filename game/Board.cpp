#include "game/Board.h"

#include <utility>

#include "images/PieceImageTable.h"
#include "rules/PieceKind.h"

namespace torvane {

namespace {

bool IsEmptySlot(const Cell& slot) {
    return slot.Picture == BlankCell.Picture;
}

}  // namespace

const Cell& Board::Origin(const Move& move) const {
    return move.IsDrop() ? Cells(move.hand)[move.slot] : Image1[move.from];
}

Cell& Board::Origin(const Move& move) {
    return const_cast<Cell&>(std::as_const(*this).Origin(move));
}

void Board::LayOut(const BoardCells& cells) {
    Image1 = cells;
    Image4.fill(BlankCell);
    Image5.fill(BlankCell);
}

void Board::FindFreeHandSlot(Hand hand) {
    const HandCells& cells = Cells(hand);
    int& next = hand == Hand::Image4 ? NextFreeSlot4 : NextFreeSlot5;
    for (int k = 0; k < kHandSlots; ++k) {
        if (IsEmptySlot(cells[k])) {
            next = k;
            return;
        }
    }
}

void Board::TakeIntoHand(int cell, Side capturer, Hand hand) {
    FindFreeHandSlot(hand);
    Cell& slot = Cells(hand)[hand == Hand::Image4 ? NextFreeSlot4 : NextFreeSlot5];
    const Cell& captured = Image1[cell];
    if (captured.Tag != TagOf(Opponent(capturer)) || !IsPieceKind(captured.Kind)) return;
    if (!IsEmptySlot(slot)) return;
    ImageInk ink = hand == Hand::Image5 ? ImageInk::Red : ImageInk::Black;
    slot = PieceCell(captured.Kind, TagOf(capturer), ink);
}

}  // namespace torvane
