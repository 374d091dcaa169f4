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
    return "盤の" + std::to_string(row + 1) + "段目";
}

// A letter quoted for the player, when it can be shown alone: a byte of a wider character is not.
std::string Quoted(char letter) {
    if (letter < '!' || letter > '~') return "";
    return std::string("「") + letter + "」";
}

std::optional<std::string> ReadBoard(std::string_view text, BoardCells& board) {
    int row = 0, column = 0;
    for (char ch : text) {
        if (ch == '/') {
            if (column != 9)
                return RowText(row) + "のマスが" + std::to_string(column) +
                       "個です（9個のはずです）";
            if (++row > 8) return std::string("盤の段が9段より多くあります");
            column = 0;
            continue;
        }
        if (ch >= '1' && ch <= '9') {
            column += ch - '0';
        } else if (PieceKind kind = KindOfLetter(ch); kind != NoPiece) {
            if (column < 9) board[row * 9 + column] = Cell{0, TagOf(SideOfLetter(ch)), kind, 0};
            ++column;
        } else {
            return "盤に使えない文字" + Quoted(ch) + "があります";
        }
        if (column > 9) return RowText(row) + "が9マスより長くなっています";
    }
    if (column != 9)
        return RowText(row) + "のマスが" + std::to_string(column) + "個です（9個のはずです）";
    if (row != 8) return "盤の段が" + std::to_string(row + 1) + "段です（9段のはずです）";
    return std::nullopt;
}

std::optional<std::string> ReadHands(std::string_view text, BoardPosition& position) {
    if (text == "-") return std::nullopt;
    std::optional<int> count;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            count = count.value_or(0) * 10 + (ch - '0');
            if (*count > kHandSlots)
                return "持ち駒の数が" + std::to_string(kHandSlots) + "を超えています";
            continue;
        }
        PieceKind kind = KindOfLetter(ch);
        if (kind == NoPiece) return "持ち駒に使えない文字" + Quoted(ch) + "があります";
        if (count == 0) return std::string("持ち駒の数が0です");
        Side side = SideOfLetter(ch);
        position.InHand(side, kind) += count.value_or(1);
        if (position.HandTotal(side) > kHandSlots)
            return "持ち駒が" + std::to_string(kHandSlots) + "枚を超えています";
        count.reset();
    }
    if (count) return std::string("持ち駒の数の後に駒がありません");
    return std::nullopt;
}

std::optional<std::string> ReadMoveNumber(std::string_view text, int& number) {
    if (text.size() > 6 || text.front() == '0' ||
        text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::string("手数が1からの数ではありません");
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
        return "局面は盤・手番・持ち駒・手数の四つの欄で書きます（欄が" +
               std::to_string(fields.size()) + "個あります）";
    BoardPosition position;
    if (auto why = ReadBoard(fields[0], position.board)) return why;
    if (fields[1] != "b" && fields[1] != "w") return std::string("手番は b か w で書きます");
    position.toMove = fields[1] == "b" ? Side::Sente : Side::Gote;
    if (auto why = ReadHands(fields[2], position)) return why;
    if (auto why = ReadMoveNumber(fields[3], position.moveNumber)) return why;
    out = position;
    return std::nullopt;
}

}  // namespace torvane
