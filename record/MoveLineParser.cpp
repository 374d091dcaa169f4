#include "record/MoveLineParser.h"

#include <array>

#include "rules/PieceKind.h"

namespace torvane {

namespace {

constexpr std::array<std::string_view, 9> kFileDigits = {"１", "２", "３", "４", "５",
                                                         "６", "７", "８", "９"};
constexpr std::array<std::string_view, 9> kRankKanji = {"一", "二", "三", "四", "五",
                                                        "六", "七", "八", "九"};

// Reads a line from left to right; each step consumes what it recognises and nothing else.
class Cursor {
public:
    explicit Cursor(std::string_view text) : rest_(text) {}

    bool AtEnd() const { return rest_.empty(); }
    std::string_view Rest() const { return rest_; }

    bool Eat(std::string_view token) {
        if (!rest_.starts_with(token)) return false;
        rest_.remove_prefix(token.size());
        return true;
    }
    void SkipSpaces() {
        while (Eat(" ") || Eat("\t") || Eat("　")) {
        }
    }
    // The index of the token that comes next, or -1.
    template <std::size_t N>
    int EatOneOf(const std::array<std::string_view, N>& tokens) {
        for (std::size_t i = 0; i < N; ++i)
            if (Eat(tokens[i])) return static_cast<int>(i);
        return -1;
    }
    // A number of one to `maxDigits` ASCII digits.
    std::optional<int> Number(int maxDigits) {
        int value = 0, digits = 0;
        while (!rest_.empty() && rest_[0] >= '0' && rest_[0] <= '9') {
            if (++digits > maxDigits) return std::nullopt;
            value = value * 10 + (rest_[0] - '0');
            rest_.remove_prefix(1);
        }
        if (digits == 0) return std::nullopt;
        return value;
    }

private:
    std::string_view rest_;
};

int CellOf(int file, int rank) {
    return 9 * (rank - 1) + 9 - file;
}

int EatKind(Cursor& cursor) {
    for (PieceKind kind : kAllKinds)
        if (cursor.Eat(KanjiOf(kind))) return kind;
    return NoPiece;
}

// "(56)": the origin as a file and a rank digit.
std::optional<int> EatOrigin(Cursor& cursor) {
    if (!cursor.Eat("(")) return std::nullopt;
    std::optional<int> square = cursor.Number(2);
    if (!square || *square < 11 || *square % 10 == 0 || !cursor.Eat(")")) return std::nullopt;
    return CellOf(*square / 10, *square % 10);
}

// "( 0:05/00:01:23)" or "( 0:05)": the move's own seconds; the total after the slash is read
// for its form only, since it follows from the moves.
std::optional<int> EatTime(Cursor& cursor) {
    if (!cursor.Eat("(")) return 0;
    cursor.SkipSpaces();
    std::optional<int> minutes = cursor.Number(5);
    std::optional<int> seconds = cursor.Eat(":") ? cursor.Number(2) : std::nullopt;
    if (!minutes || !seconds || *seconds >= 60) return std::nullopt;
    if (cursor.Eat("/")) {
        for (int part = 0; part < 3; ++part)
            if ((part > 0 && !cursor.Eat(":")) || !cursor.Number(part == 0 ? 5 : 2))
                return std::nullopt;
    }
    if (!cursor.Eat(")")) return std::nullopt;
    return *minutes * 60 + *seconds;
}

// The target: 同 (with or without a full-width space), or a file digit and a rank kanji.
bool EatTarget(Cursor& cursor, NumberedLine& line) {
    if (cursor.Eat("同")) {
        cursor.Eat("　");
        line.sameTarget = true;
        return true;
    }
    int file = cursor.EatOneOf(kFileDigits);
    int rank = file < 0 ? -1 : cursor.EatOneOf(kRankKanji);
    if (rank < 0) return false;
    line.to = CellOf(file + 1, rank + 1);
    return true;
}

std::optional<std::string> ReadMove(Cursor& cursor, NumberedLine& line) {
    if (!EatTarget(cursor, line)) return "指し手のマスが読めません";
    line.kind = EatKind(cursor);
    if (line.kind == NoPiece) return "駒の種類が読めません";
    if (!cursor.Eat("打")) {
        std::optional<int> from = EatOrigin(cursor);
        if (!from) return "移動元が読めません";
        line.from = *from;
    }
    return std::nullopt;
}

// The result's words run to the time or the end of the line.
void ReadResultWords(Cursor& cursor, NumberedLine& line) {
    std::string_view rest = cursor.Rest();
    std::string_view words = rest.substr(0, rest.find('('));
    while (words.ends_with(' ')) words.remove_suffix(1);
    line.resultWords = words;
    cursor.Eat(words);
}

// ▲ or △.
std::optional<Side> EatMark(Cursor& cursor) {
    if (cursor.Eat("▲")) return Side::Sente;
    if (cursor.Eat("△")) return Side::Gote;
    return std::nullopt;
}

}  // namespace

std::variant<NumberedLine, std::string> ParseNumberedLine(std::string_view text) {
    Cursor cursor(text);
    NumberedLine line;
    cursor.SkipSpaces();
    std::optional<int> number = cursor.Number(6);
    if (!number) return std::string("手数が読めません");
    line.number = *number;
    cursor.SkipSpaces();
    line.mark = EatMark(cursor);
    bool looksLikeMove = line.mark || cursor.Rest().starts_with("同") ||
                         Cursor(cursor.Rest()).EatOneOf(kFileDigits) >= 0;
    if (looksLikeMove) {
        if (auto why = ReadMove(cursor, line)) return *why;
    } else {
        ReadResultWords(cursor, line);
        if (line.resultWords.empty()) return std::string("指し手がありません");
    }
    cursor.SkipSpaces();
    std::optional<int> seconds = EatTime(cursor);
    if (!seconds) return std::string("消費時間が読めません");
    line.seconds = *seconds;
    cursor.SkipSpaces();
    cursor.Eat("+");  // a mark some writers put after a move that has a comment
    if (!cursor.AtEnd()) return std::string("行の終わりに余分な文字があります");
    return line;
}

std::optional<NumberedLine> ParseMoveText(std::string_view text) {
    Cursor cursor(text);
    NumberedLine line;
    line.mark = EatMark(cursor);
    if (!line.mark || ReadMove(cursor, line) || line.sameTarget || !cursor.AtEnd())
        return std::nullopt;
    return line;
}

}  // namespace torvane
