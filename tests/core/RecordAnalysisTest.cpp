// The engine's analysis kept in a record file as comment lines under the moves: random games
// with random analysis come back whole, and damaged comments are skipped while the record opens.
#include <gtest/gtest.h>

#include "RecordGames.h"
#include "protocol/TextCodec.h"
#include "record/AnalysisComment.h"
#include "record/Notation.h"

using namespace torvane;

namespace {

// `length` random legal moves from `position`, fewer when the game ends first.
std::vector<RecordedMove> RandomLine(std::mt19937& random, RecordPosition position, bool drops,
                                     int length) {
    std::vector<RecordedMove> line;
    while (static_cast<int>(line.size()) < length && !position.Decided()) {
        RecordedMove move = RandomMove(random, position, drops);
        position.Play(move, drops);
        line.push_back(move);
    }
    return line;
}

// Analysis of about half the positions of `record`, with lines of random moves, some longer
// than a comment keeps, and scores and depths over their whole range.
std::map<int, PositionAnalysis> RandomAnalysis(std::mt19937& random, const GameRecord& record) {
    const bool drops = record.header.capturedPiecesUsed;
    std::map<int, PositionAnalysis> analysis;
    RecordPosition position;
    for (int ply = 0; ply <= static_cast<int>(record.moves.size()); ++ply) {
        if (ply > 0) {
            RecordedMove move = record.moves[static_cast<std::size_t>(ply - 1)];
            position.Play(move, drops);
        }
        if (random() % 2 == 0) continue;
        int score = static_cast<int>(random() % (2 * kAnalysisMateScore + 1)) - kAnalysisMateScore;
        int length = static_cast<int>(random() % (kMaxAnalysisLine + 5));
        analysis[ply] = {score, static_cast<int>(random() % (kMaxAnalysisDepth + 1)),
                         RandomLine(random, position, drops, length)};
    }
    return analysis;
}

GameRecord Read(std::string_view text, RecordEncoding encoding = RecordEncoding::Utf8) {
    auto read = ReadRecord(text, encoding);
    if (auto* error = std::get_if<RecordError>(&read))
        ADD_FAILURE() << error->line << ": " << error->message << "\n" << text;
    return read.index() == 0 ? std::get<GameRecord>(read) : GameRecord{};
}

// The offset of the line holding the analysis of `ply` in `text`, written for `record`.
std::size_t CommentAt(const std::string& text, const GameRecord& record, int ply) {
    std::size_t at = 0;
    for (auto& [key, value] : record.analysis) {
        at = text.find("**解析", at + 1);
        if (key == ply) return at;
    }
    ADD_FAILURE() << "no comment for " << ply;
    return 0;
}

std::string ReplaceCommentOf(std::string text, const GameRecord& record, int ply,
                             const std::string& comment) {
    std::size_t at = CommentAt(text, record, ply);
    return text.replace(at, text.find('\n', at) - at, comment);
}

}  // namespace

// Random games with random analysis, with and without drops, come back whole from a `.kifu` and
// from its Shift_JIS form; a line longer than a comment keeps comes back cut.
TEST(RecordAnalysis, RandomAnalysisComesBackFromBothEncodings) {
    std::mt19937 random(10122026);
    int lines = 0, cut = 0;
    for (int game = 0; game < 150; ++game) {
        RecordPosition final;
        GameRecord record = RandomRecord(random, game % 2 == 0, 1 + game % 70, final);
        record.analysis = RandomAnalysis(random, record);
        GameRecord expected = record;
        for (auto& [ply, analysis] : expected.analysis) {
            cut += analysis.line.size() > static_cast<std::size_t>(kMaxAnalysisLine);
            if (analysis.line.size() > static_cast<std::size_t>(kMaxAnalysisLine))
                analysis.line.resize(kMaxAnalysisLine);
            lines += !analysis.line.empty();
        }
        const std::string text = WriteRecord(record);
        EXPECT_EQ(Read(text), expected);
        WireBytes sjis = EncodeCp932(text);
        std::string_view bytes(reinterpret_cast<const char*>(sjis.data()), sjis.size());
        EXPECT_EQ(Read(bytes, RecordEncoding::ShiftJis), expected);
        if (HasFailure()) return;
    }
    EXPECT_GT(lines, 1000);
    EXPECT_GT(cut, 10);
}

TEST(RecordAnalysis, CommentLayout) {
    GameRecord record = Read("1 ５五犬(56)\n2 ５三犬(54)\n");
    ASSERT_EQ(record.moves.size(), 2u);
    record.analysis[0] = {35, 9, {record.moves[0], record.moves[1]}};
    record.analysis[2] = {-kAnalysisMateScore + 3, 4, {}};
    const std::string text = WriteRecord(record);
    EXPECT_NE(text.find("手数----指手---------消費時間--\n"
                        "**解析 評価値 +35 深さ 9 読み筋 ▲５五犬(56) △５三犬(54)\n"
                        "   1 ▲５五犬(56)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("   2 △５三犬(54)   ( 0:00/00:00:00)\n"
                        "**解析 評価値 -29997 深さ 4 読み筋\n"),
              std::string::npos)
        << text;
}

// Each kind of damage to one comment drops that comment alone; the moves and every other
// comment are read as written.
TEST(RecordAnalysis, DamagedCommentsAreSkippedAndTheRecordOpens) {
    std::mt19937 random(11);
    GameRecord record;
    RecordPosition final;
    while (record.moves.size() < 30) record = RandomRecord(random, true, 60, final);
    record.analysis = RandomAnalysis(random, record);
    for (auto& [ply, analysis] : record.analysis)
        analysis.line.resize(std::min<std::size_t>(analysis.line.size(), 4));
    const std::string text = WriteRecord(record);
    ASSERT_EQ(Read(text), record);
    auto withLine = std::find_if(std::next(record.analysis.begin(), 3), record.analysis.end(),
                                 [](const auto& entry) { return !entry.second.line.empty(); });
    ASSERT_NE(withLine, record.analysis.end());
    const int ply = withLine->first;
    const PositionAnalysis& target = record.analysis.at(ply);
    const std::string lineText = AnalysisCommentLine(target);
    const std::string moves =
        lineText.substr(lineText.find("読み筋") + std::string("読み筋").size());
    RecordedMove wrongSide = target.line[0];
    wrongSide.mover = Opponent(wrongSide.mover);
    RecordPosition atPly;
    for (int i = 0; i < ply; ++i) atPly.Play(record.moves[static_cast<std::size_t>(i)], true);
    std::vector<RecordedMove> tooLong = RandomLine(random, atPly, true, kMaxAnalysisLine + 1);
    std::string tooLongText = "**解析 評価値 0 深さ 1 読み筋";
    for (const RecordedMove& move : tooLong) tooLongText += " " + MoveText(move);
    ASSERT_EQ(tooLong.size(), kMaxAnalysisLine + 1u);

    const std::string damaged[] = {
        lineText.substr(0, lineText.size() - 3),                  // cut inside the last move
        "**解析 評価値 +abc 深さ 3 読み筋" + moves,               // a score that is no number
        "**解析 評価値 +30001 深さ 3 読み筋" + moves,             // beyond a mate
        "**解析 評価値 12 深さ -1 読み筋" + moves,                // a negative depth
        "**解析 評価値 12 深さ 3" + moves,                        // the line's word missing
        "**解析 評価値 12 12 深さ 3 読み筋" + moves,              // a word too many
        "**解析 評価値 12 深さ 3 読み筋 " + MoveText(wrongSide),  // the other side's move
        "**解析 評価値 12 深さ 3 読み筋 ▲５五犬(56)同",           // not a move
        "**解析 評価値 12 深さ 3 読み筋" + moves + moves,         // moves the rules refuse
        tooLongText,
        "**解析 評価値 12 深さ 3 読み筋 \xE4\xBA",  // bytes that are no text
        "**解析",
    };
    GameRecord without = record;
    without.analysis.erase(ply);
    for (const std::string& comment : damaged) {
        SCOPED_TRACE(comment);
        EXPECT_EQ(Read(ReplaceCommentOf(text, record, ply, comment)), without);
    }

    // A second comment for a position does not replace the first; a comment after the result
    // belongs to the final position.
    std::string twice = text;
    std::size_t after = text.find('\n', CommentAt(text, record, ply)) + 1;
    twice.insert(after, "**解析 評価値 77 深さ 1 読み筋\n");
    EXPECT_EQ(Read(twice), record);
    GameRecord plain = record;
    plain.analysis.clear();
    const int last = static_cast<int>(record.moves.size());
    std::string late = WriteRecord(plain) + "**解析 評価値 -5 深さ 2 読み筋\n";
    GameRecord read = Read(late);
    ASSERT_EQ(read.analysis.size(), 1u);
    EXPECT_EQ(read.analysis.at(last), (PositionAnalysis{-5, 2, {}}));
}
