#include "app/editor/SetUpBoard.h"

#include "rules/SetUpPosition.h"
#include "rules/StartBoard.h"

namespace torvane {

bool SamePlace(const SetUpPlace& a, const SetUpPlace& b) {
    if (a.area != b.area) return false;
    if (a.area == SetUpPlace::Area::Board) return a.cell == b.cell;
    return a.area == SetUpPlace::Area::Box || a.side == b.side;
}

SetUpBoard::SetUpBoard() : position_{StartBoard()} {}

int SetUpBoard::Count(const SetUpPlace& place) const {
    switch (place.area) {
        case SetUpPlace::Area::Board:
            return place.cell >= 0 && place.cell < kCellCount &&
                   HoldsPiece(position_.board[place.cell]);
        case SetUpPlace::Area::Hand:
            return IsPieceKind(place.kind) ? position_.InHand(place.side, place.kind) : 0;
        case SetUpPlace::Area::Box:
            return IsPieceKind(place.kind) ? SparePieces(position_, place.kind) : 0;
    }
    return 0;
}

std::optional<SetUpPiece> SetUpBoard::PieceAt(const SetUpPlace& place) const {
    if (Count(place) <= 0) return std::nullopt;
    if (place.area != SetUpPlace::Area::Board) return SetUpPiece{place.kind, place.side};
    const Cell& cell = position_.board[place.cell];
    return SetUpPiece{cell.Kind, SideOfTag(cell.Tag)};
}

bool SetUpBoard::Move(const SetUpPlace& from, const SetUpPlace& to) {
    std::optional<SetUpPiece> piece = PieceAt(from);
    if (!piece || SamePlace(from, to)) return false;
    if (to.area == SetUpPlace::Area::Hand && position_.HandTotal(to.side) >= kHandSlots)
        return false;
    Take(from, piece->kind);
    Put(to, *piece);
    return true;
}

void SetUpBoard::Take(const SetUpPlace& from, int kind) {
    if (from.area == SetUpPlace::Area::Board) position_.board[from.cell] = BlankCell;
    if (from.area == SetUpPlace::Area::Hand) --position_.InHand(from.side, kind);
}

void SetUpBoard::Put(const SetUpPlace& to, const SetUpPiece& piece) {
    if (to.area == SetUpPlace::Area::Board)
        position_.board[to.cell] = Cell{0, TagOf(piece.side), piece.kind, 0};
    if (to.area == SetUpPlace::Area::Hand) ++position_.InHand(to.side, piece.kind);
}

void SetUpBoard::TurnOver(int cell) {
    std::optional<SetUpPiece> piece = PieceAt({SetUpPlace::Area::Board, cell});
    if (piece) Put({SetUpPlace::Area::Board, cell}, {piece->kind, Opponent(piece->side)});
}

void SetUpBoard::Reset() {
    position_ = BoardPosition{StartBoard()};
}

void SetUpBoard::Clear() {
    const Side toMove = position_.toMove;
    position_ = BoardPosition{};
    position_.toMove = toMove;
}

void SetUpBoard::Load(const BoardPosition& position) {
    position_ = position;
    position_.moveNumber = 1;
}

}  // namespace torvane
