#pragma once

#include <optional>

#include "rules/BoardPosition.h"

namespace torvane {

// Where a piece lies while a position is set up: on a board cell, in a side's hand, or in the
// box of spare pieces.
struct SetUpPlace {
    enum class Area { Board, Hand, Box };
    Area area = Area::Board;
    int cell = -1;            // on the board
    Side side = Side::Sente;  // whose hand; in the box, whom a piece taken out of it plays for
    int kind = 0;             // in a hand or the box: the kind of the pieces there

    bool operator==(const SetUpPlace&) const = default;
};

// The same place for a piece: the same cell, the same hand (whichever kind) or the box.
bool SamePlace(const SetUpPlace& a, const SetUpPlace& b);

// A piece of the position being set up.
struct SetUpPiece {
    int kind = 0;
    Side side = Side::Sente;
};

// The position being set up by hand, and the moves of its pieces between the board, the hands
// and the box. Every piece the game has lies in one of them: the box holds what the board and
// the hands do not (SparePieces), so no move can make a piece more.
class SetUpBoard {
public:
    // The start position.
    SetUpBoard();

    // The position as set up, move number 1.
    const BoardPosition& Position() const { return position_; }
    // The piece at `place`, or nothing: a board cell's piece, a hand's piece of its kind, a piece
    // of its kind from the box for the box place's side.
    std::optional<SetUpPiece> PieceAt(const SetUpPlace& place) const;
    // How many pieces lie at `place`: 0 or 1 on a cell, those of its kind in a hand or the box.
    int Count(const SetUpPlace& place) const;

    // Moves the piece at `from` to `to`: onto a board cell for the side it played for (a piece
    // that stood there goes to the box), into a hand for that hand's side (not when it holds 18
    // pieces), or back into the box. False when nothing moved.
    bool Move(const SetUpPlace& from, const SetUpPlace& to);
    // The piece on `cell` changes sides.
    void TurnOver(int cell);
    void SetToMove(Side side) { position_.toMove = side; }

    // The start position again; every piece into the box, the side to move kept; or a position
    // read from a position string that CheckSetUp accepts.
    void Reset();
    void Clear();
    void Load(const BoardPosition& position);

private:
    void Take(const SetUpPlace& from, int kind);
    void Put(const SetUpPlace& to, const SetUpPiece& piece);

    BoardPosition position_;
};

}  // namespace torvane
