#include "record/RecordPosition.h"

#include <algorithm>

#include "record/Notation.h"
#include "rules/MovementRules.h"
#include "rules/PieceKind.h"
#include "rules/Sfen.h"
#include "rules/StartBoard.h"
#include "rules/StepDirection.h"

namespace torvane {

namespace {

bool OnBoard(int cell) {
    return cell >= 0 && cell < kCellCount;
}

std::string KindName(int kind) {
    return KanjiOf(static_cast<PieceKind>(kind));
}

}  // namespace

RecordPosition::RecordPosition() : position_{StartBoard()} {}

RecordPosition::RecordPosition(const BoardPosition& start) : position_(start) {
    position_.moveNumber = 1;
}

int RecordPosition::InHand(Side side, int kind) const {
    if (kind < 0 || kind >= static_cast<int>(position_.hands[0].size())) return 0;
    return position_.InHand(side, kind);
}

std::optional<GameResult> RecordPosition::Decided() const {
    for (Side side : {Side::Gote, Side::Sente}) {
        if (HasElephantAndRat(Board(), TagOf(side))) continue;
        bool elephant = std::any_of(Board().begin(), Board().end(), [side](const Cell& cell) {
            return cell.Tag == TagOf(side) && cell.Kind == Elephant;
        });
        return GameResult{elephant ? GameEnd::RatsLost : GameEnd::ElephantLost, side};
    }
    return std::nullopt;
}

std::optional<std::string> RecordPosition::Play(RecordedMove& move, bool dropsAllowed) {
    if (Decided()) return "対局は終わっています";
    if (move.mover != position_.toMove) return SideName(position_.toMove) + "の番です";
    if (!OnBoard(move.to) || !IsPieceKind(move.kind)) return "マスか駒の種類が正しくありません";
    auto why = move.IsDrop() ? CheckDrop(move, dropsAllowed) : CheckStep(move);
    if (why) return why;
    BoardCells& board = position_.board;
    move.capture = board[move.to].Tag != "0";
    if (move.capture) TakeIntoHand(board[move.to].Kind);
    if (move.IsDrop())
        --position_.InHand(move.mover, move.kind);
    else
        Clear(board[move.from]);
    board[move.to].Tag = TagOf(move.mover);
    board[move.to].Kind = move.kind;
    position_.toMove = Opponent(move.mover);
    return std::nullopt;
}

std::optional<std::string> RecordPosition::CheckDrop(const RecordedMove& move,
                                                     bool dropsAllowed) const {
    if (!dropsAllowed) return "持ち駒は使えません";
    if (InHand(move.mover, move.kind) == 0)
        return "持ち駒に" + KindName(move.kind) + "がありません";
    if (Board()[move.to].Tag != "0") return SquareText(move.to) + "には駒があります";
    return std::nullopt;
}

std::optional<std::string> RecordPosition::CheckStep(const RecordedMove& move) const {
    if (!OnBoard(move.from)) return "移動元のマスが正しくありません";
    const Cell& piece = Board()[move.from];
    if (piece.Tag != TagOf(move.mover) || piece.Kind != move.kind)
        return SquareText(move.from) + "にある駒は" + KindName(move.kind) + "ではありません";
    if (!IsStepNeighbour(move.from, move.to))
        return KindName(move.kind) + "は" + SquareText(move.to) + "へ動けません";
    switch (StepVerdict(Board(), move.from, move.to)) {
        case Verdict::Free:
        case Verdict::Capture:
            return std::nullopt;
        case Verdict::Blocked:
            return SquareText(move.to) + "には自分の駒があります";
        case Verdict::Forbidden:
            break;
    }
    return KindName(move.kind) + "は" + SquareText(move.to) + "の" +
           KindName(Board()[move.to].Kind) + "を取れません";
}

// A taken piece joins the mover's hand, unless the hand is full: then it leaves the game.
void RecordPosition::TakeIntoHand(int kind) {
    if (position_.HandTotal(position_.toMove) < kHandSlots)
        ++position_.InHand(position_.toMove, kind);
}

std::string RecordPosition::Sfen() const {
    return WriteSfen(position_);
}

}  // namespace torvane
