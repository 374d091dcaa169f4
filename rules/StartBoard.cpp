#include "rules/StartBoard.h"

#include "rules/PieceKind.h"
#include "rules/Side.h"

namespace torvane {

namespace {

// Gote's half of the start position; Sente's is its half-turn, cell 80 - i.
BoardCells BuildStartBoard() {
    BoardCells board{};
    const PieceKind backRank[9] = {Crocodile, Wolf,    Leopard, Rat, Elephant,
                                   Rat,       Leopard, Wolf,    Bear};
    auto put = [&board](int cell, PieceKind kind) {
        board[cell].Tag = TagOf(Side::Gote);
        board[cell].Kind = kind;
        board[kCellCount - 1 - cell].Tag = TagOf(Side::Sente);
        board[kCellCount - 1 - cell].Kind = kind;
    };
    for (int c = 0; c < 9; ++c) put(c, backRank[c]);
    put(13, Lion);
    put(19, Tiger);
    put(25, Tiger);
    for (int c = 27; c <= 35; c += 2) put(c, Dog);
    return board;
}

}  // namespace

const BoardCells& StartBoard() {
    static const BoardCells board = BuildStartBoard();
    return board;
}

}  // namespace torvane
