#include "record/RecordPosition.h"

#include <algorithm>
#include <numeric>

#include "record/Notation.h"
#include "rules/MovementRules.h"
#include "rules/PieceKind.h"
#include "rules/StepDirection.h"

namespace torvane {

namespace {

// The engine's letters of the kinds, in the order of `kAllKinds` (weakest first).
constexpr std::string_view kLetters = "rdwpcbtle";

int SideIndex(Side side) {
    return side == Side::Sente ? 0 : 1;
}

char LetterOf(int kind, Side side) {
    for (std::size_t i = 0; i < std::size(kAllKinds); ++i) {
        if (kAllKinds[i] != kind) continue;
        char letter = kLetters[i];
        return side == Side::Sente ? static_cast<char>(letter - 'a' + 'A') : letter;
    }
    return '?';
}

bool OnBoard(int cell) {
    return cell >= 0 && cell < kCellCount;
}

std::string KindName(int kind) {
    return KanjiOf(static_cast<PieceKind>(kind));
}

// Gote's half of the start position; Sente's is its half-turn, cell 80 - i.
BoardCells StartBoard() {
    BoardCells board{};
    const PieceKind backRank[9] = {Crocodile, Wolf,    Leopard, Rat, Elephant,
                                   Rat,       Leopard, Wolf,    Bear};
    auto put = [&board](int cell, PieceKind kind) {
        board[cell].Tag = TagOf(Side::Gote);
        board[cell].Kind = kind;
        board[80 - cell].Tag = TagOf(Side::Sente);
        board[80 - cell].Kind = kind;
    };
    for (int c = 0; c < 9; ++c) put(c, backRank[c]);
    put(13, Lion);
    put(19, Tiger);
    put(25, Tiger);
    for (int c = 27; c <= 35; c += 2) put(c, Dog);
    return board;
}

}  // namespace

RecordPosition::RecordPosition() : board_(StartBoard()) {}

int RecordPosition::InHand(Side side, int kind) const {
    if (kind < 0 || kind >= static_cast<int>(hands_[0].size())) return 0;
    return hands_[SideIndex(side)][kind];
}

std::optional<GameResult> RecordPosition::Decided() const {
    for (Side side : {Side::Gote, Side::Sente}) {
        if (HasElephantAndRat(board_, TagOf(side))) continue;
        bool elephant = std::any_of(board_.begin(), board_.end(), [side](const Cell& cell) {
            return cell.Tag == TagOf(side) && cell.Kind == Elephant;
        });
        return GameResult{elephant ? GameEnd::RatsLost : GameEnd::ElephantLost, side};
    }
    return std::nullopt;
}

std::optional<std::string> RecordPosition::Play(RecordedMove& move, bool dropsAllowed) {
    if (Decided()) return "対局は終わっています";
    if (move.mover != toMove_) return SideName(toMove_) + "の番です";
    if (!OnBoard(move.to) || !IsPieceKind(move.kind)) return "マスか駒の種類が正しくありません";
    auto why = move.IsDrop() ? CheckDrop(move, dropsAllowed) : CheckStep(move);
    if (why) return why;
    move.capture = board_[move.to].Tag != "0";
    if (move.capture) TakeIntoHand(board_[move.to].Kind);
    if (move.IsDrop())
        --hands_[SideIndex(toMove_)][move.kind];
    else
        Clear(board_[move.from]);
    board_[move.to].Tag = TagOf(toMove_);
    board_[move.to].Kind = move.kind;
    toMove_ = Opponent(toMove_);
    return std::nullopt;
}

std::optional<std::string> RecordPosition::CheckDrop(const RecordedMove& move,
                                                     bool dropsAllowed) const {
    if (!dropsAllowed) return "持ち駒は使えません";
    if (InHand(move.mover, move.kind) == 0)
        return "持ち駒に" + KindName(move.kind) + "がありません";
    if (board_[move.to].Tag != "0") return SquareText(move.to) + "には駒があります";
    return std::nullopt;
}

std::optional<std::string> RecordPosition::CheckStep(const RecordedMove& move) const {
    if (!OnBoard(move.from)) return "移動元のマスが正しくありません";
    const Cell& piece = board_[move.from];
    if (piece.Tag != TagOf(move.mover) || piece.Kind != move.kind)
        return SquareText(move.from) + "にある駒は" + KindName(move.kind) + "ではありません";
    if (!IsStepNeighbour(move.from, move.to))
        return KindName(move.kind) + "は" + SquareText(move.to) + "へ動けません";
    switch (StepVerdict(board_, move.from, move.to)) {
        case Verdict::Free:
        case Verdict::Capture:
            return std::nullopt;
        case Verdict::Blocked:
            return SquareText(move.to) + "には自分の駒があります";
        case Verdict::Forbidden:
            break;
    }
    return KindName(move.kind) + "は" + SquareText(move.to) + "の" +
           KindName(board_[move.to].Kind) + "を取れません";
}

// A taken piece joins the mover's hand, unless the hand is full: then it leaves the game.
void RecordPosition::TakeIntoHand(int kind) {
    auto& hand = hands_[SideIndex(toMove_)];
    if (std::accumulate(hand.begin(), hand.end(), 0) < kHandSlots) ++hand[kind];
}

std::string RecordPosition::Sfen() const {
    std::string out;
    for (int row = 0; row < 9; ++row) {
        int empty = 0;
        for (int column = 0; column < 9; ++column) {
            const Cell& cell = board_[row * 9 + column];
            if (cell.Tag == "0") {
                ++empty;
                continue;
            }
            if (empty > 0) out += static_cast<char>('0' + empty);
            empty = 0;
            out += LetterOf(cell.Kind, SideOfTag(cell.Tag));
        }
        if (empty > 0) out += static_cast<char>('0' + empty);
        if (row < 8) out += '/';
    }
    return out + (toMove_ == Side::Sente ? " b " : " w ") + HandsField() + " 1";
}

std::string RecordPosition::HandsField() const {
    std::string out;
    for (Side side : {Side::Sente, Side::Gote}) {
        for (int kind : kAllKinds) {
            int n = InHand(side, kind);
            if (n > 1) out += std::to_string(n);
            if (n > 0) out += LetterOf(kind, side);
        }
    }
    return out.empty() ? "-" : out;
}

}  // namespace torvane
