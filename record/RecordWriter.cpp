#include <algorithm>

#include "record/AnalysisComment.h"
#include "record/Notation.h"
#include "record/RecordFile.h"
#include "record/RecordPosition.h"
#include "rules/StartBoard.h"

namespace torvane {

namespace {

// A header value stays on its line: line ends become spaces.
std::string OneLine(std::string value) {
    std::replace_if(
        value.begin(), value.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return value;
}

// The line of a position set up by hand that the game starts from; a game from the start
// position has none, so its file reads as it always did.
std::string StartLine(const BoardPosition& start) {
    if (start == BoardPosition{StartBoard()}) return "";
    return "開始局面：" + RecordPosition(start).Sfen() + "\n";
}

std::string HeaderLines(const RecordHeader& header, const std::string& finalPosition) {
    return "#KIF version=2.0 encoding=UTF-8\n"
           "開始日時：" +
           OneLine(header.started) +
           "\n"
           "先手：" +
           OneLine(header.sente) +
           "\n"
           "後手：" +
           OneLine(header.gote) +
           "\n"
           "持ち駒：" +
           (header.capturedPiecesUsed ? "使う" : "使わない") +
           "\n"
           "時間制限：" +
           (header.timeLimitOn ? "あり" : "なし") + "\n" + StartLine(header.start) + "最終局面：" +
           finalPosition + "\n";
}

// The analysis comment of the position after `ply` moves, when there is one.
std::string AnalysisLines(const GameRecord& record, int ply) {
    auto found = record.analysis.find(ply);
    return found == record.analysis.end() ? "" : AnalysisCommentLine(found->second) + "\n";
}

std::string Text(const GameRecord& record, bool withAnalysis) {
    RecordPosition position(record.header.start);
    std::string moves = "手数----指手---------消費時間--\n";
    int totals[2] = {0, 0};
    int number = 0;
    if (withAnalysis) moves += AnalysisLines(record, 0);
    for (RecordedMove move : record.moves) {
        position.Play(move, record.header.capturedPiecesUsed);
        int& total = totals[move.mover == Side::Sente ? 0 : 1];
        total += std::max(move.seconds, 0);
        moves += MoveLine(++number, move, total) + "\n";
        if (withAnalysis) moves += AnalysisLines(record, number);
    }
    if (record.result) {
        moves += ResultLine(number + 1, *record.result) + "\n";
        moves += SummaryLine(number, *record.result) + "\n";
    }
    return HeaderLines(record.header, position.Sfen()) + moves;
}

}  // namespace

// The moves are replayed for the final position. A move the rules refuse leaves the position
// as it was; reading the file back refuses that move.
std::string WriteRecord(const GameRecord& record) {
    std::string text = Text(record, !record.analysis.empty());
    if (text.size() > kMaxRecordBytes && !record.analysis.empty()) return Text(record, false);
    return text;
}

}  // namespace torvane
