#include "game/EnginePosition.h"

#include <cctype>

#include "game/Game.h"
#include "rules/PieceKind.h"

namespace torvane {

namespace {

// The engine's letters of the kinds, in the order of `kAllKinds` (weakest first).
constexpr std::string_view kLetters = "rdwpcbtle";

int KindIndex(int kind) {
    for (int i = 0; i < 9; ++i)
        if (kAllKinds[i] == kind) return i;
    return -1;
}

char LetterOf(int kind, const std::string& tag) {
    char letter = kLetters[KindIndex(kind)];
    return tag == TagOf(Side::Sente) ? static_cast<char>(std::toupper(letter)) : letter;
}

std::string BoardField(const Game& game, bool turned) {
    std::string out;
    for (int row = 0; row < 9; ++row) {
        int empty = 0;
        for (int col = 0; col < 9; ++col) {
            const Cell& cell = game.Squares()[TurnedCell(row * 9 + col, turned)];
            if (cell.Tag == game.EmptyTag || KindIndex(cell.Kind) < 0) {
                ++empty;
                continue;
            }
            if (empty > 0) out += static_cast<char>('0' + empty);
            empty = 0;
            out += LetterOf(cell.Kind, cell.Tag);
        }
        if (empty > 0) out += static_cast<char>('0' + empty);
        if (row < 8) out += '/';
    }
    return out;
}

// Both hands by owner tag: a piece's tag, not the hand it lies in, says whose it is.
std::string HandsField(const Game& game) {
    std::string out;
    for (const std::string& tag : {game.SenteTag, game.GoteTag}) {
        for (int kind : kAllKinds) {
            int n = 0;
            for (const HandCells* hand :
                 {&game.HandSlots(Hand::Image4), &game.HandSlots(Hand::Image5)})
                for (const Cell& slot : *hand) n += slot.Tag == tag && slot.Kind == kind;
            if (n > 1) out += std::to_string(n);
            if (n > 0) out += LetterOf(kind, tag);
        }
    }
    return out.empty() ? "-" : out;
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
    bool turned = game.LocalSide() == Side::Gote;
    return BoardField(game, turned) + (game.ToMove() == Side::Sente ? " b " : " w ") +
           HandsField(game) + " 1";
}

std::optional<EngineMove> ParseEngineMove(std::string_view text, bool turned) {
    EngineMove move;
    if (text.size() == 4 && text[1] == '*') {
        std::size_t index = kLetters.find(static_cast<char>(std::tolower(text[0])));
        auto to = ParseCell(text.substr(2), turned);
        if (index == std::string_view::npos || !to) return std::nullopt;
        move.drop = true;
        move.kind = kAllKinds[index];
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
    const char letter = static_cast<char>(std::toupper(kLetters[KindIndex(move.kind)]));
    return std::string{letter, '*'} + CellText(move.to, turned);
}

}  // namespace torvane
