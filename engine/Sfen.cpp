#include "engine/Sfen.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace torvane::engine {

namespace {

char LetterOf(Color c, int kind) {
    char letter = kKindLetters[kind];
    return c == Sente ? static_cast<char>(std::toupper(letter)) : letter;
}

std::string FormatBoard(const Position& pos) {
    std::string out;
    for (int row = 0; row < 9; ++row) {
        int empty = 0;
        for (int col = 0; col < 9; ++col) {
            Piece p = pos.At(row * 9 + col);
            if (p == kEmpty) {
                ++empty;
                continue;
            }
            if (empty > 0) out += static_cast<char>('0' + empty);
            empty = 0;
            out += LetterOf(ColorOf(p), KindOf(p));
        }
        if (empty > 0) out += static_cast<char>('0' + empty);
        if (row < 8) out += '/';
    }
    return out;
}

std::string FormatHands(const Position& pos) {
    std::string out;
    for (Color c : {Sente, Gote}) {
        for (int kind = kKindCount - 1; kind >= 0; --kind) {
            int n = pos.InHand(c, kind);
            if (n > 1) out += std::to_string(n);
            if (n > 0) out += LetterOf(c, kind);
        }
    }
    return out.empty() ? "-" : out;
}

bool ParseBoard(std::string_view text, Position& pos, std::string& error) {
    int row = 0, col = 0;
    for (char ch : text) {
        if (ch == '/') {
            if (col != 9 || ++row > 8) return error = "a row of the board is not 9 cells", false;
            col = 0;
        } else if (ch >= '1' && ch <= '9') {
            col += ch - '0';
        } else if (int kind = KindOfLetter(ch); kind >= 0) {
            if (col < 9) pos.Put(row * 9 + col, MakePiece(std::isupper(ch) ? Sente : Gote, kind));
            ++col;
        } else {
            return error = std::string("unknown letter '") + ch + "' on the board", false;
        }
        if (col > 9) return error = "a row of the board is longer than 9 cells", false;
    }
    if (row != 8 || col != 9) return error = "the board does not have 9 rows of 9 cells", false;
    return true;
}

bool ParseHands(std::string_view text, Position& pos, std::string& error) {
    if (text == "-") return true;
    int count = 0;
    for (char ch : text) {
        if (std::isdigit(static_cast<unsigned char>(ch))) {
            count = count * 10 + (ch - '0');
            if (count > 18) return error = "a hand count is over 18", false;
            continue;
        }
        int kind = KindOfLetter(ch);
        if (kind < 0) return error = std::string("unknown letter '") + ch + "' in the hands", false;
        Color c = std::isupper(ch) ? Sente : Gote;
        int n = count == 0 ? 1 : count;
        if (pos.HandTotal(c) + n > 18) return error = "a hand holds more than 18 pieces", false;
        pos.SetHand(c, kind, pos.InHand(c, kind) + n);
        count = 0;
    }
    if (count != 0) return error = "a hand count without a piece", false;
    return true;
}

bool ParseMoveNumber(const std::string& text, Position& pos, std::string& error) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return error = "the move number is not a number", false;
    pos.SetMoveNumber(std::stoi(text));
    return true;
}

}  // namespace

std::string FormatSfen(const Position& pos) {
    return FormatBoard(pos) + (pos.SideToMove() == Sente ? " b " : " w ") + FormatHands(pos) + " " +
           std::to_string(pos.MoveNumber());
}

bool ParseSfen(std::string_view text, Position& out, std::string& error) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> fields;
    for (std::string f; in >> f;) fields.push_back(f);
    if (fields.size() < 3 || fields.size() > 4)
        return error = "a position needs board, side, hands and move number", false;
    Position pos;
    if (!ParseBoard(fields[0], pos, error)) return false;
    if (fields[1] != "b" && fields[1] != "w") return error = "the side must be b or w", false;
    pos.SetSideToMove(fields[1] == "b" ? Sente : Gote);
    if (!ParseHands(fields[2], pos, error)) return false;
    if (fields.size() == 4 && !ParseMoveNumber(fields[3], pos, error)) return false;
    out = pos;
    return true;
}

Position StartPosition() {
    Position pos;
    std::string error;
    ParseSfen(kStartSfen, pos, error);
    return pos;
}

}  // namespace torvane::engine
