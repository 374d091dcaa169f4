#pragma once

#include <array>
#include <cstdint>

#include "engine/Move.h"
#include "engine/Piece.h"
#include "engine/Square.h"

namespace torvane::engine {

// What Make changed that Unmake cannot recompute.
struct Undo {
    Piece captured = kEmpty;
    bool capturedToHand = false;
    std::uint64_t hash = 0;
};

// The board, both hands, the side to move and a Zobrist hash of all three. Counts of each kind
// on the board per side are kept so that the end of the game is known at once.
class Position {
public:
    Piece At(int sq) const { return board_[sq]; }
    Color SideToMove() const { return side_; }
    int InHand(Color c, int kind) const { return hand_[c][kind]; }
    int HandTotal(Color c) const { return handTotal_[c]; }
    int OnBoard(Color c, int kind) const { return onBoard_[c][kind]; }
    std::uint64_t Hash() const { return hash_; }
    // The cell of `c`'s only piece of `kind` on the board; -1 when it has none or several.
    int OnlyCell(Color c, int kind) const {
        return onBoard_[c][kind] == 1 ? cellSum_[MakePiece(c, kind)] : -1;
    }
    int MoveNumber() const { return moveNumber_; }

    // A side without an Elephant or without a Rat on the board has lost.
    bool HasLost(Color c) const { return onBoard_[c][Rat] == 0 || onBoard_[c][Elephant] == 0; }
    bool IsDecided() const { return HasLost(Sente) || HasLost(Gote); }

    // `m` must be legal here. A captured piece goes to the mover's hand unless it is full.
    void Make(Move m, Undo& undo);
    void Unmake(Move m, const Undo& undo);
    // Passes the turn (null-move pruning).
    void MakeNull() { FlipSide(); }
    void UnmakeNull() { FlipSide(); }

    // Building a position (parsing): start from Clear(), then place pieces and hands.
    void Clear();
    void Put(int sq, Piece p);
    void SetHand(Color c, int kind, int count);
    void SetSideToMove(Color c);
    void SetMoveNumber(int n) { moveNumber_ = n; }

    bool operator==(const Position&) const = default;

private:
    void Remove(int sq);
    void AddToHand(Color c, int kind, int delta);
    void FlipSide();

    std::array<Piece, kSquares> board_{};
    std::array<std::array<std::uint8_t, kKindCount>, 2> hand_{};
    std::array<std::uint8_t, 2> handTotal_{};
    std::array<std::array<std::uint8_t, kKindCount>, 2> onBoard_{};
    // Per piece code, the sum of the cells it stands on: the cell itself when there is one.
    std::array<std::int16_t, kPieceCodes> cellSum_{};
    Color side_ = Sente;
    int moveNumber_ = 1;
    std::uint64_t hash_ = 0;
};

}  // namespace torvane::engine
