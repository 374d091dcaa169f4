// Writing and reading game records: whole random games back and forth in both encodings, and
// the notation and file layout people read, checked literally.
#include <gtest/gtest.h>

#include "RecordGames.h"
#include "protocol/TextCodec.h"
#include "record/Notation.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

// Cell of a file (1-9, from the right) and a rank (1-9, from the top).
int At(int file, int rank) {
    return 9 * (rank - 1) + 9 - file;
}

GameRecord Read(std::string_view text, RecordEncoding encoding = RecordEncoding::Utf8) {
    auto read = ReadRecord(text, encoding);
    if (auto* error = std::get_if<RecordError>(&read))
        ADD_FAILURE() << error->line << ": " << error->message;
    return read.index() == 0 ? std::get<GameRecord>(read) : GameRecord{};
}

std::string FinalHeader(const std::string& text) {
    std::size_t at = text.find("最終局面：");
    return text.substr(at, text.find('\n', at) - at);
}

}  // namespace

// Some hundred random games, with and without drops, come back whole from a `.kifu` and from
// its Shift_JIS form, and the final position written is the one the moves reach.
TEST(RecordFile, RandomGamesComeBackFromBothEncodings) {
    std::mt19937 random(8122026);
    int results = 0;
    for (int game = 0; game < 300; ++game) {
        RecordPosition final;
        GameRecord record = RandomRecord(random, game % 2 == 1, 1 + game, final);
        std::string text = WriteRecord(record);
        EXPECT_EQ(FinalHeader(text), "最終局面：" + final.Sfen());
        EXPECT_EQ(Read(text), record) << text;
        WireBytes sjis = EncodeCp932(text);
        std::string_view bytes(reinterpret_cast<const char*>(sjis.data()), sjis.size());
        EXPECT_EQ(Read(bytes, RecordEncoding::ShiftJis), record) << text;
        results += record.result.has_value();
        if (HasFailure()) return;
    }
    EXPECT_GT(results, 100);
}

TEST(RecordFile, NotationAsPlayersWriteIt) {
    RecordedMove dog{Side::Sente, At(5, 7), At(5, 6), Dog, false, 5};
    EXPECT_EQ(MoveText(dog), "▲５六犬(57)");
    EXPECT_EQ(MoveText({Side::Gote, -1, At(4, 4), Rat}), "△４四鼠打");
    EXPECT_EQ(MoveText({Side::Sente, At(1, 9), At(9, 1), Lion}), "▲９一獅子(19)");
    EXPECT_EQ(MoveLine(1, dog, 5), "   1 ▲５六犬(57)   ( 0:05/00:00:05)");
    RecordedMove lion{Side::Gote, -1, At(5, 5), Lion, false, 5000};
    EXPECT_EQ(MoveLine(1234, lion, 3 * 3600 + 61), "1234 △５五獅子打   (83:20/03:01:01)");
    EXPECT_EQ(ResultLine(31, {GameEnd::Resignation, Side::Gote}), "  31 投了");
    EXPECT_EQ(ResultText({GameEnd::TimeUp, Side::Sente}), "切れ負け");
    EXPECT_EQ(ResultText({GameEnd::ElephantLost, Side::Sente}), "先手の象が取られました");
    EXPECT_EQ(ResultText({GameEnd::RatsLost, Side::Gote}), "後手の鼠がいなくなりました");
    EXPECT_EQ(SummaryLine(30, {GameEnd::Resignation, Side::Gote}), "まで30手で先手の勝ち");
    EXPECT_EQ(SummaryLine(7, {GameEnd::RatsLost, Side::Sente}), "まで7手で後手の勝ち");
}

TEST(RecordFile, WrittenLayout) {
    GameRecord record{{"2026/12/08 10:15:00", "山田", "Alice", false, true},
                      {{Side::Sente, At(5, 6), At(5, 5), Dog, false, 5},
                       {Side::Gote, At(5, 4), At(5, 5), Dog, true, 62}},
                      GameResult{GameEnd::Resignation, Side::Sente}};
    EXPECT_EQ(WriteRecord(record),
              "#KIF version=2.0 encoding=UTF-8\n"
              "開始日時：2026/12/08 10:15:00\n"
              "先手：山田\n"
              "後手：Alice\n"
              "持ち駒：使わない\n"
              "時間制限：あり\n"
              "最終局面：cwprerpwb/4l4/1t5t1/d1d3d1d/4d4/D1D3D1D/1T5T1/4L4/BWPRERPWC b d 1\n"
              "手数----指手---------消費時間--\n"
              "   1 ▲５五犬(56)   ( 0:05/00:00:05)\n"
              "   2 △５五犬(54)   ( 1:02/00:01:02)\n"
              "   3 投了\n"
              "まで2手で後手の勝ち\n");
}

// What other writers put in a record: a byte order mark, CRLF, comments, unknown headers, an
// ASCII colon, lines without marks or times, 同 with and without its space, a trailing "+".
TEST(RecordFile, ReadsWhatOtherWritersWrite) {
    GameRecord record = Read(
        "\xEF\xBB\xBF# a comment\r\n"
        "棋戦：練習\r\n"
        "先手:山田\r\n"
        "持ち駒：使う\r\n"
        "\r\n"
        "手数----指手---------消費時間--\r\n"
        "1 ５五犬(56)\r\n"
        "*a comment on the move\r\n"
        "2 △同　犬(54) ( 0:10)\r\n"
        "   3 ▲６五犬(76)   ( 1:00/00:01:00)\r\n"
        "4 同犬(55)+\r\n");
    EXPECT_EQ(record.header.sente, "山田");
    EXPECT_EQ(record.header.gote, RecordHeader{}.gote);
    EXPECT_TRUE(record.header.capturedPiecesUsed);
    std::vector<RecordedMove> moves{{Side::Sente, At(5, 6), At(5, 5), Dog, false, 0},
                                    {Side::Gote, At(5, 4), At(5, 5), Dog, true, 10},
                                    {Side::Sente, At(7, 6), At(6, 5), Dog, false, 60},
                                    {Side::Gote, At(5, 5), At(6, 5), Dog, true, 0}};
    EXPECT_EQ(record.moves, moves);
    EXPECT_FALSE(record.result);
}
