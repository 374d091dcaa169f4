#include "rules/SetUpPosition.h"

#include <algorithm>

#include "rules/MovementRules.h"
#include "rules/PieceKind.h"
#include "rules/StartBoard.h"

namespace torvane {

namespace {

int OnBoard(const BoardCells& board, int kind) {
    return static_cast<int>(std::count_if(board.begin(), board.end(), [kind](const Cell& cell) {
        return HoldsPiece(cell) && cell.Kind == kind;
    }));
}

const char* SideName(Side side) {
    return side == Side::Sente ? "先手" : "後手";
}

bool HasOnBoard(const BoardCells& board, Side side, int kind) {
    return std::any_of(board.begin(), board.end(), [side, kind](const Cell& cell) {
        return cell.Tag == TagOf(side) && cell.Kind == kind;
    });
}

}  // namespace

int PiecesInGame(int kind) {
    return OnBoard(StartBoard(), kind);
}

int SparePieces(const BoardPosition& position, int kind) {
    return PiecesInGame(kind) - OnBoard(position.board, kind) - position.InHand(Side::Sente, kind) -
           position.InHand(Side::Gote, kind);
}

std::optional<std::string> CheckSetUp(const BoardPosition& position) {
    for (Side side : {Side::Sente, Side::Gote}) {
        if (HasElephantAndRat(position.board, TagOf(side))) continue;
        const bool elephant = HasOnBoard(position.board, side, Elephant);
        return std::string(SideName(side)) + "の" + KanjiOf(elephant ? Rat : Elephant) +
               "が盤上にありません";
    }
    for (PieceKind kind : kAllKinds) {
        if (SparePieces(position, kind) < 0)
            return std::string(KanjiOf(kind)) + "が多すぎます（全部で" +
                   std::to_string(PiecesInGame(kind)) + "枚までです）";
    }
    for (Side side : {Side::Sente, Side::Gote}) {
        if (position.HandTotal(side) > kHandSlots)
            return std::string(SideName(side)) + "の持ち駒が" + std::to_string(kHandSlots) +
                   "枚を超えています";
    }
    return std::nullopt;
}

}  // namespace torvane
