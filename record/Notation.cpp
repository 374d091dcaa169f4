#include "record/Notation.h"

#include <algorithm>
#include <cstdio>

#include "rules/Cell.h"
#include "rules/PieceKind.h"

namespace torvane {

namespace {

constexpr const char* kFileDigits[9] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
constexpr const char* kRankKanji[9] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

// The move column of a move line is this wide; a full-width character takes two columns.
constexpr int kMoveColumns = 15;

int FileOf(int cell) {
    return 9 - ColumnOf(cell);
}

int RankOf(int cell) {
    return RowOf(cell) + 1;
}

int DisplayColumns(const std::string& text) {
    int columns = 0;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            columns += 1;
        else if (byte >= 0xC0)
            columns += 2;
    }
    return columns;
}

// "( 0:05/00:01:23)": the move's minutes and seconds, then the mover's total.
std::string TimeText(int seconds, int totalSeconds) {
    seconds = std::max(seconds, 0);
    totalSeconds = std::max(totalSeconds, 0);
    char text[64];
    std::snprintf(text, sizeof text, "(%2d:%02d/%02d:%02d:%02d)", seconds / 60, seconds % 60,
                  totalSeconds / 3600, totalSeconds / 60 % 60, totalSeconds % 60);
    return text;
}

std::string Numbered(int number, const std::string& text) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%4d ", number);
    return prefix + text;
}

}  // namespace

std::string SideName(Side side) {
    return side == Side::Sente ? "先手" : "後手";
}

std::string SquareText(int cell) {
    if (cell < 0 || cell >= kCellCount) return "？？";
    return std::string(kFileDigits[FileOf(cell) - 1]) + kRankKanji[RankOf(cell) - 1];
}

std::string MoveText(const RecordedMove& move) {
    std::string text = move.mover == Side::Sente ? "▲" : "△";
    text += SquareText(move.to) + KanjiOf(static_cast<PieceKind>(move.kind));
    if (move.IsDrop()) return text + "打";
    return text + "(" + std::to_string(FileOf(move.from)) + std::to_string(RankOf(move.from)) + ")";
}

std::string MoveLine(int number, const RecordedMove& move, int moverTotalSeconds) {
    std::string text = MoveText(move);
    text.append(static_cast<std::size_t>(std::max(1, kMoveColumns - DisplayColumns(text))), ' ');
    return Numbered(number, text + TimeText(move.seconds, moverTotalSeconds));
}

std::string ResultText(const GameResult& result) {
    switch (result.end) {
        case GameEnd::Resignation:
            return "投了";
        case GameEnd::TimeUp:
            return "切れ負け";
        case GameEnd::ElephantLost:
            return SideName(result.loser) + "の象が取られました";
        case GameEnd::RatsLost:
            return SideName(result.loser) + "の鼠がいなくなりました";
    }
    return "";
}

std::string ResultLine(int number, const GameResult& result) {
    return Numbered(number, ResultText(result));
}

std::string SummaryLine(int moves, const GameResult& result) {
    return "まで" + std::to_string(moves) + "手で" + SideName(Opponent(result.loser)) + "の勝ち";
}

}  // namespace torvane
