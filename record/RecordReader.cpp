#include "record/AnalysisComment.h"
#include "record/MoveLineParser.h"
#include "record/Notation.h"
#include "record/RecordFile.h"
#include "record/RecordLines.h"
#include "record/RecordPosition.h"
#include "rules/SetUpPosition.h"
#include "rules/Sfen.h"

namespace torvane {

namespace {

using Refusal = std::optional<std::string>;

// The header keys the reader knows; they come before the first move.
constexpr std::string_view kStartedKey = "開始日時", kSenteKey = "先手", kGoteKey = "後手",
                           kCapturedKey = "持ち駒", kTimeLimitKey = "時間制限",
                           kStartKey = "開始局面", kFinalKey = "最終局面";

std::string_view Trimmed(std::string_view text) {
    while (text.starts_with(' ') || text.starts_with('\t')) text.remove_prefix(1);
    while (text.ends_with(' ') || text.ends_with('\t')) text.remove_suffix(1);
    return text;
}

// "key：value" or "key:value": the key and the value, or nothing for a line without either colon.
std::optional<std::pair<std::string_view, std::string_view>> SplitHeader(std::string_view line) {
    std::size_t wide = line.find("："), narrow = line.find(':');
    std::size_t at = std::min(wide, narrow);
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t colon = at == wide ? std::string_view("：").size() : 1;
    return std::pair{Trimmed(line.substr(0, at)), Trimmed(line.substr(at + colon))};
}

// A yes-or-no header: `yes` or `no` exactly.
Refusal ReadSwitch(std::string_view value, std::string_view yes, std::string_view no, bool& out) {
    if (value != yes && value != no)
        return std::string("値は「") + std::string(yes) + "」か「" + std::string(no) + "」です";
    out = value == yes;
    return std::nullopt;
}

// Reads a record line by line, replaying its moves; the first refusal ends the reading.
class RecordReader {
public:
    Refusal ReadLine(int number, std::string_view line);
    Refusal Finish() const;
    bool LooksLikeARecord() const { return sawHeader_ || !record_.moves.empty() || record_.result; }
    GameRecord& Record() { return record_; }
    int FinalLine() const { return finalLine_; }

private:
    Refusal ReadHeader(int number, std::string_view key, std::string_view value);
    Refusal ReadStart(std::string_view value);
    Refusal ReadNumbered(std::string_view line);
    Refusal ReadMove(const NumberedLine& line);
    Refusal ReadResult(const NumberedLine& line);
    void ReadAnalysis(std::string_view line);

    GameRecord record_;
    RecordPosition position_;
    bool sawHeader_ = false;
    int finalLine_ = 0;
    std::string final_;
};

Refusal RecordReader::ReadLine(int number, std::string_view line) {
    std::string_view text = Trimmed(line);
    if (IsAnalysisComment(text)) ReadAnalysis(text);
    if (text.empty() || text.starts_with('#') || text.starts_with('*')) return std::nullopt;
    if (text.starts_with("手数") || text.starts_with("まで")) return std::nullopt;
    if (text[0] >= '0' && text[0] <= '9') return ReadNumbered(text);
    if (auto header = SplitHeader(text)) return ReadHeader(number, header->first, header->second);
    return "棋譜の行として読めません";
}

Refusal RecordReader::ReadHeader(int number, std::string_view key, std::string_view value) {
    RecordHeader& header = record_.header;
    bool known = key == kStartedKey || key == kSenteKey || key == kGoteKey || key == kCapturedKey ||
                 key == kTimeLimitKey || key == kStartKey || key == kFinalKey;
    if (!known) return std::nullopt;
    if (!record_.moves.empty() || record_.result)
        return std::string(key) + "は指し手より前に書きます";
    sawHeader_ = true;
    if (key == kStartedKey) header.started = value;
    if (key == kSenteKey) header.sente = value;
    if (key == kGoteKey) header.gote = value;
    if (key == kCapturedKey)
        return ReadSwitch(value, "使う", "使わない", header.capturedPiecesUsed);
    if (key == kTimeLimitKey) return ReadSwitch(value, "あり", "なし", header.timeLimitOn);
    if (key == kStartKey) return ReadStart(value);
    if (key == kFinalKey) {
        final_ = value;
        finalLine_ = number;
    }
    return std::nullopt;
}

// The moves that follow are played from the position set up by hand.
Refusal RecordReader::ReadStart(std::string_view value) {
    BoardPosition start;
    if (auto why = ReadSfen(value, start)) return "開始局面が読めません（" + *why + "）";
    if (auto why = CheckSetUp(start)) return "開始局面が正しくありません（" + *why + "）";
    position_ = RecordPosition(start);
    record_.header.start = start;
    record_.header.start.moveNumber = 1;
    return std::nullopt;
}

Refusal RecordReader::ReadNumbered(std::string_view text) {
    auto parsed = ParseNumberedLine(text);
    if (auto* why = std::get_if<std::string>(&parsed)) return "指し手が読めません（" + *why + "）";
    const NumberedLine& line = std::get<NumberedLine>(parsed);
    if (record_.result) return std::string("終局の後に指し手があります");
    int expected = static_cast<int>(record_.moves.size()) + 1;
    if (line.number != expected)
        return "手数が正しくありません（" + std::to_string(expected) + "手目のはずです）";
    if (!line.resultWords.empty()) return ReadResult(line);
    if (expected > kMaxRecordMoves) return std::string("指し手が多すぎます");
    return ReadMove(line);
}

Refusal RecordReader::ReadMove(const NumberedLine& line) {
    Side mover = position_.ToMove();
    if (line.mark && *line.mark != mover) return SideName(mover) + "の番です";
    if (line.sameTarget && record_.moves.empty()) return std::string("同の前に指し手がありません");
    RecordedMove move{mover,     line.from, line.sameTarget ? record_.moves.back().to : line.to,
                      line.kind, false,     line.seconds};
    if (auto why = position_.Play(move, record_.header.capturedPiecesUsed))
        return "指し手が正しくありません（" + *why + "）";
    record_.moves.push_back(move);
    return std::nullopt;
}

// The result must be what the position shows: the side that lost its Elephant or its last Rat,
// or, for a resignation or a loss on time, the side to move in an undecided game.
Refusal RecordReader::ReadResult(const NumberedLine& line) {
    std::optional<GameResult> decided = position_.Decided();
    Side toMove = position_.ToMove();
    for (GameResult result :
         {GameResult{GameEnd::Resignation, toMove}, GameResult{GameEnd::TimeUp, toMove},
          GameResult{GameEnd::ElephantLost, Side::Sente},
          GameResult{GameEnd::ElephantLost, Side::Gote}, GameResult{GameEnd::RatsLost, Side::Sente},
          GameResult{GameEnd::RatsLost, Side::Gote}}) {
        if (ResultText(result) != line.resultWords) continue;
        bool byRules = result.end == GameEnd::ElephantLost || result.end == GameEnd::RatsLost;
        if (byRules ? decided != result : decided.has_value())
            return "結果が局面と合いません（" + line.resultWords + "）";
        record_.result = result;
        return std::nullopt;
    }
    return "結果が読めません（" + line.resultWords + "）";
}

// The position after the moves read so far; the first good comment for it counts.
void RecordReader::ReadAnalysis(std::string_view line) {
    const int ply = static_cast<int>(record_.moves.size());
    if (record_.analysis.contains(ply)) return;
    if (auto analysis = ParseAnalysisComment(line, position_, record_.header.capturedPiecesUsed))
        record_.analysis.emplace(ply, std::move(*analysis));
}

Refusal RecordReader::Finish() const {
    if (finalLine_ > 0 && final_ != position_.Sfen())
        return std::string("最終局面が指し手と合いません");
    return std::nullopt;
}

}  // namespace

std::variant<GameRecord, RecordError> ReadRecord(std::string_view bytes, RecordEncoding encoding) {
    if (bytes.size() > kMaxRecordBytes) return RecordError{0, "ファイルが大きすぎます"};
    auto lines = RecordLines(bytes, encoding);
    if (auto* error = std::get_if<RecordError>(&lines)) return *error;
    RecordReader reader;
    int number = 0;
    for (const std::string& line : std::get<std::vector<std::string>>(lines)) {
        if (auto why = reader.ReadLine(++number, line)) return RecordError{number, *why};
    }
    if (!reader.LooksLikeARecord()) return RecordError{0, "棋譜ではありません"};
    if (auto why = reader.Finish()) return RecordError{reader.FinalLine(), *why};
    return std::move(reader.Record());
}

}  // namespace torvane
