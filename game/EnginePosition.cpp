#include "game/EnginePosition.h"

#include "game/Game.h"
#include "rules/PieceLetters.h"
#include "rules/Sfen.h"

namespace torvane {

namespace {

// All this file reads of the game: the position it shows, turned back to Sente's view when the
// board is turned for a Gote player, with both hands counted by owner tag (a piece's tag, not
// the hand it lies in, says whose it is).
BoardPosition ShownPosition(const Game& game) {
    const bool turned = game.LocalSide() == Side::Gote;
    BoardPosition position;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const Cell& shown = game.Squares()[TurnedCell(cell, turned)];
        position.board[cell] = Cell{0, shown.Tag, shown.Kind, 0};
    }
    for (const HandCells* hand : {&game.HandSlots(Hand::Image4), &game.HandSlots(Hand::Image5)})
        for (const Cell& slot : *hand)
            if (HoldsPiece(slot)) ++position.InHand(SideOfTag(slot.Tag), slot.Kind);
    position.toMove = game.ToMove();
    return position;
}

std::optional<int> ParseCell(std::string_view text, bool turned) {
    if (text.size() != 2 || text[0] < '1' || text[0] > '9' || text[1] < 'a' || text[1] > 'i')
        return std::nullopt;
    return TurnedCell((text[1] - 'a') * 9 + 9 - (text[0] - '0'), turned);
}

std::string CellText(int cell, bool turned) {
    const int engineCell = TurnedCell(cell, turned);
    return {static_cast<char>('9' - engineCell % 9), static_cast<char>('a' + engineCell / 9)};
}

}  // namespace

std::string EnginePosition(const Game& game) {
    return WriteSfen(ShownPosition(game));
}

std::optional<EngineMove> ParseEngineMove(std::string_view text, bool turned) {
    EngineMove move;
    if (text.size() == 4 && text[1] == '*') {
        PieceKind kind = KindOfLetter(text[0]);
        auto to = ParseCell(text.substr(2), turned);
        if (kind == NoPiece || !to) return std::nullopt;
        move.drop = true;
        move.kind = kind;
        move.to = *to;
        return move;
    }
    if (text.size() != 4) return std::nullopt;
    auto from = ParseCell(text.substr(0, 2), turned);
    auto to = ParseCell(text.substr(2), turned);
    if (!from || !to) return std::nullopt;
    move.from = *from;
    move.to = *to;
    return move;
}

std::string EngineMoveText(const EngineMove& move, bool turned) {
    if (!move.drop) return CellText(move.from, turned) + CellText(move.to, turned);
    return std::string{LetterOf(move.kind, Side::Sente), '*'} + CellText(move.to, turned);
}

}  // namespace torvane
