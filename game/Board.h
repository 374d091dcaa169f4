#pragma once

#include <utility>

#include "game/Move.h"
#include "rules/Cell.h"
#include "rules/Side.h"

namespace torvane {

// The board and both hands, with the two changes that move pieces between them: a piece moves
// from a cell or hand slot to a cell, and a taken piece goes into a free slot of a hand, never
// over a piece already there. So the 34 pieces stay on the board and in the hands, but for
// one taken while its capturer's hand is full, which leaves the game.
struct Board {
    explicit Board(const BoardCells& cells = {}) : Image1(cells) {}

    BoardCells Image1;  // the board, cell = 9 * row + column, row 0 at the top
    HandCells Image4;   // bottom hand
    HandCells Image5;   // top hand
    int NextFreeSlot4 = 0, NextFreeSlot5 = 0;  // the free slot last found in each hand

    HandCells& Cells(Hand hand) { return hand == Hand::Image4 ? Image4 : Image5; }
    const HandCells& Cells(Hand hand) const { return hand == Hand::Image4 ? Image4 : Image5; }
    // The board cell or hand slot the moving piece leaves.
    const Cell& Origin(const Move& move) const;
    Cell& Origin(const Move& move);

    // `cells` on the board and both hands empty: the next free slots are found when needed.
    void LayOut(const BoardCells& cells);

    // `NextFreeSlot4` or `NextFreeSlot5` becomes the hand's first empty slot; it stays as it
    // was when the hand is full.
    void FindFreeHandSlot(Hand hand);
    // The piece on `cell`, an enemy of `capturer`, goes into `hand` with the capturer's tag,
    // in the hand's ink: black at the bottom, red at the top. Anything else on `cell` stays
    // out of the hand, and so does a piece taken while the hand is full.
    void TakeIntoHand(int cell, Side capturer, Hand hand);

    // Moves the piece in two halves: its pictures first, then its kind and tag. `halfway`
    // runs between them with the origin, which still holds the mover's kind and tag while the
    // target holds those of what stood there.
    template <class Halfway>
    void MovePiece(const Move& move, Halfway halfway);
};

template <class Halfway>
void Board::MovePiece(const Move& move, Halfway halfway) {
    Cell& origin = Origin(move);
    Cell& to = Image1[move.to];
    to.Picture = origin.Picture;
    to.DragIcon = origin.DragIcon;
    origin.Picture = BlankCell.Picture;
    halfway(std::as_const(origin));
    to.Kind = origin.Kind;
    to.Tag = origin.Tag;
    origin.Kind = BlankCell.Kind;
    origin.Tag = BlankCell.Tag;
    origin.DragIcon = BlankCell.DragIcon;
}

}  // namespace torvane
