#pragma once

#include <array>
#include <string>

#include "rules/PieceKind.h"
#include "rules/Side.h"

namespace torvane {

// One board cell, hand slot or template element: what the player sees (picture, drag icon)
// and what the rules read (owner tag, kind). A move never moves a cell; it copies these four
// attributes from one cell to another.
struct Cell {
    int Picture = 0;        // image id of the resting picture; 0 = no picture
    std::string Tag = "0";  // owner tag: "0" empty, "1" Sente, "2" Gote
    int Kind = 0;           // PieceKind code, 0 = none
    int DragIcon = 0;       // image id of the pointer shown while the piece is dragged

    bool operator==(const Cell&) const = default;
};

// True when the cell or slot holds one of the nine kinds and its tag names a side.
inline bool HoldsPiece(const Cell& cell) {
    return (cell.Tag == TagOf(Side::Sente) || cell.Tag == TagOf(Side::Gote)) &&
           IsPieceKind(cell.Kind);
}

// `Image2`: the blank prototype every clear copies from.
inline const Cell BlankCell{};

inline void CopyPiece(const Cell& from, Cell& to) {
    to = from;
}
inline void Clear(Cell& cell) {
    cell = BlankCell;
}

inline constexpr int kCellCount = 81;
inline constexpr int kHandSlots = 18;

using BoardCells = std::array<Cell, kCellCount>;
using HandCells = std::array<Cell, kHandSlots>;

// The cell a board turned by half a turn shows at `cell` (the view of a Gote player), or
// `cell` itself when the board is not turned.
inline int TurnedCell(int cell, bool turned) {
    return turned ? kCellCount - 1 - cell : cell;
}

inline int RowOf(int cell) {
    return cell / 9;
}
inline int ColumnOf(int cell) {
    return cell % 9;
}

}  // namespace torvane
