#pragma once

#include "rules/Side.h"

namespace torvane {

// One move as a game record keeps it, on the board as Sente sees it: cell = 9 * row + column,
// row 0 is Gote's back rank (rank 一) and column 0 is file 9, whichever side the player sat.
struct RecordedMove {
    Side mover = Side::Sente;
    int from = -1;         // origin cell; -1 for a drop from the mover's hand
    int to = 0;            // target cell
    int kind = 0;          // PieceKind of the piece that moves
    bool capture = false;  // an enemy piece stood on `to` and was taken
    int seconds = 0;       // the time the move took

    bool IsDrop() const { return from < 0; }
    bool operator==(const RecordedMove&) const = default;
};

}  // namespace torvane
