#pragma once

#include <array>
#include <cstdint>

#include "engine/CellSet.h"
#include "engine/Move.h"
#include "engine/Piece.h"
#include "engine/Square.h"

namespace torvane::engine {

// What Make changed that Unmake cannot recompute.
struct Undo {
    Piece captured = kEmpty;
    bool capturedToHand = false;
    std::uint8_t capturedSlot = 0;  // its place in its side's piece list
    std::uint64_t hash = 0;
    std::array<std::int16_t, 2> mobility{};
};

// The board, both hands, the side to move and a Zobrist hash of all three. Counts of each kind
// on the board per side are kept so that the end of the game is known at once, and a list of
// each side's cells so that move generation and evaluation visit pieces, not 81 cells.
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
    // The free cells next to each of `c`'s pieces, added up (kept as pieces come and go).
    int Mobility(Color c) const { return mobility_[c]; }
    // The cells of `c`'s pieces on the board, in no particular order.
    int PieceCount(Color c) const { return pieceCount_[c]; }
    // The cells of `c`'s pieces of `kind`.
    const CellSet& Cells(Color c, int kind) const { return cellSets_[MakePiece(c, kind)]; }
    const std::uint8_t* PieceCells(Color c) const { return pieceCells_[c].data(); }

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

    // The same game state: board, hands, side and move number (the rest follows from them; the
    // order of the piece lists does not matter).
    bool operator==(const Position& o) const {
        return board_ == o.board_ && hand_ == o.hand_ && side_ == o.side_ &&
               moveNumber_ == o.moveNumber_;
    }

private:
    // Make keeps the mobility up to date (kTrack); Unmake leaves it and the hash alone and
    // restores both from the Undo, which is cheaper than working them out backwards.
    template <bool kTrack = true>
    void Place(int sq, Piece p);
    template <bool kTrack = true>
    void Remove(int sq);
    // Moves the piece on `from` to the empty cell `to`, keeping its place in the piece list.
    template <bool kTrack = true>
    void Relocate(int from, int to);
    void PutBack(int sq, Piece p, int slot);
    // A piece of `c` arrives on the empty cell `sq` (+1) or has just left it (-1).
    void ShiftMobility(int sq, Color c, int sign);
    void AddToHand(Color c, int kind, int delta);
    void FlipSide();

    std::array<Piece, kSquares> board_{};
    std::array<std::array<std::uint8_t, kKindCount>, 2> hand_{};
    std::array<std::uint8_t, 2> handTotal_{};
    std::array<std::array<std::uint8_t, kKindCount>, 2> onBoard_{};
    // Per piece code, the sum of the cells it stands on: the cell itself when there is one.
    std::array<std::int16_t, kPieceCodes> cellSum_{};
    // Every piece of a side fits: 34 pieces are in a game, and a typed position holds at most 81.
    std::array<std::array<std::uint8_t, kSquares>, 2> pieceCells_{};
    std::array<std::uint8_t, 2> pieceCount_{};
    std::array<std::uint8_t, kSquares> slot_{};    // the index of each cell's piece in its list
    std::array<CellSet, kPieceCodes> cellSets_{};  // per piece code, the cells it stands on
    std::array<std::int16_t, 2> mobility_{};
    Color side_ = Sente;
    int moveNumber_ = 1;
    std::uint64_t hash_ = 0;
};

}  // namespace torvane::engine
