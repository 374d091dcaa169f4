#include "rules/Sfen.h"

#include <vector>

#include "rules/PieceKind.h"
#include "rules/PieceLetters.h"

namespace torvane {

namespace {

std::string BoardField(const BoardCells& board) {
    std::string out;
    for (int row = 0; row < 9; ++row) {
        int empty = 0;
        for (int column = 0; column < 9; ++column) {
            const Cell& cell = board[row * 9 + column];
            if (!HoldsPiece(cell)) {
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
    return out;
}

std::string HandsField(const BoardPosition& position) {
    std::string out;
    for (Side side : {Side::Sente, Side::Gote}) {
        for (int kind : kAllKinds) {
            int n = position.InHand(side, kind);
            if (n > 1) out += std::to_string(n);
            if (n > 0) out += LetterOf(kind, side);
        }
    }
    return out.empty() ? "-" : out;
}

std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    while (!text.empty()) {
        std::size_t end = text.find(' ');
        if (end != 0) fields.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return fields;
}

std::string RowText(int row) {
    return "row " + std::to_string(row + 1) + " of the board";
}

std::optional<std::string> ReadBoard(std::string_view text, BoardCells& board) {
    int row = 0, column = 0;
    for (char ch : text) {
        if (ch == '/') {
            if (column != 9)
                return RowText(row) + " has " + std::to_string(column) + " cells, not 9";
            if (++row > 8) return std::string("the board has more than 9 rows");
            column = 0;
            continue;
        }
        if (ch >= '1' && ch <= '9') {
            column += ch - '0';
        } else if (PieceKind kind = KindOfLetter(ch); kind != NoPiece) {
            if (column < 9) board[row * 9 + column] = Cell{0, TagOf(SideOfLetter(ch)), kind, 0};
            ++column;
        } else {
            return std::string("unknown letter '") + ch + "' on the board";
        }
        if (column > 9) return RowText(row) + " is longer than 9 cells";
    }
    if (column != 9) return RowText(row) + " has " + std::to_string(column) + " cells, not 9";
    if (row != 8) return "the board has " + std::to_string(row + 1) + " rows, not 9";
    return std::nullopt;
}

std::optional<std::string> ReadHands(std::string_view text, BoardPosition& position) {
    if (text == "-") return std::nullopt;
    std::optional<int> count;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            count = count.value_or(0) * 10 + (ch - '0');
            if (*count > kHandSlots) return "a hand count is over " + std::to_string(kHandSlots);
            continue;
        }
        PieceKind kind = KindOfLetter(ch);
        if (kind == NoPiece) return std::string("unknown letter '") + ch + "' in the hands";
        if (count == 0) return std::string("a hand count of 0");
        Side side = SideOfLetter(ch);
        position.InHand(side, kind) += count.value_or(1);
        if (position.HandTotal(side) > kHandSlots)
            return "a hand holds more than " + std::to_string(kHandSlots) + " pieces";
        count.reset();
    }
    if (count) return std::string("a hand count without a piece");
    return std::nullopt;
}

std::optional<std::string> ReadMoveNumber(std::string_view text, int& number) {
    if (text.size() > 6 || text.front() == '0' ||
        text.find_first_not_of("0123456789") != std::string_view::npos)
        return "the move number \"" + std::string(text) + "\" is not a number from 1";
    number = 0;
    for (char digit : text) number = number * 10 + (digit - '0');
    return std::nullopt;
}

}  // namespace

std::string WriteSfen(const BoardPosition& position) {
    return BoardField(position.board) + (position.toMove == Side::Sente ? " b " : " w ") +
           HandsField(position) + " " + std::to_string(position.moveNumber);
}

std::optional<std::string> ReadSfen(std::string_view text, BoardPosition& out) {
    std::vector<std::string_view> fields = Fields(text);
    if (fields.size() != 4)
        return "a position needs four fields (board, side to move, hands, move number), not " +
               std::to_string(fields.size());
    BoardPosition position;
    if (auto why = ReadBoard(fields[0], position.board)) return why;
    if (fields[1] != "b" && fields[1] != "w") return std::string("the side to move must be b or w");
    position.toMove = fields[1] == "b" ? Side::Sente : Side::Gote;
    if (auto why = ReadHands(fields[2], position)) return why;
    if (auto why = ReadMoveNumber(fields[3], position.moveNumber)) return why;
    out = position;
    return std::nullopt;
}

}  // namespace torvane
