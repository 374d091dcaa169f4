// Records that are cut, forged, oversized or noise: each is refused with the line to blame and
// a reason, and nothing crashes.
#include <gtest/gtest.h>

#include "RecordGames.h"
#include "protocol/TextCodec.h"
#include "record/Notation.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

// The header takes seven lines and the column titles one: move k is on line 8 + k.
constexpr int kLinesBeforeMoves = 8;

RecordError Refusal(std::string_view text, RecordEncoding encoding = RecordEncoding::Utf8) {
    auto read = ReadRecord(text, encoding);
    if (auto* error = std::get_if<RecordError>(&read)) return *error;
    ADD_FAILURE() << "accepted:\n" << text;
    return {};
}

// The offset where line `number` (1-based) of `text` begins.
std::size_t LineStart(const std::string& text, int number) {
    std::size_t at = 0;
    for (int line = 1; line < number; ++line) at = text.find('\n', at) + 1;
    return at;
}

std::string ReplaceLine(std::string text, int number, const std::string& line) {
    std::size_t at = LineStart(text, number);
    return text.replace(at, text.find('\n', at) - at, line);
}

GameRecord LongGame(std::mt19937& random, bool drops) {
    RecordPosition final;
    GameRecord record;
    while (record.moves.size() < 40) record = RandomRecord(random, drops, 60, final);
    return record;
}

// Sente's Dog and Gote's Dog on file 5 step back and forth, `count` moves in all.
std::string ShufflingMoves(int count) {
    std::string text = "先手：a\n";
    for (int k = 0; k < count; ++k) {
        bool sente = k % 2 == 0, out = k % 4 < 2;
        int home = sente ? 49 : 31, away = sente ? 40 : 22;
        RecordedMove move{sente ? Side::Sente : Side::Gote, out ? home : away, out ? away : home,
                          Dog};
        text += MoveLine(k + 1, move, 0) + "\n";
    }
    return text;
}

}  // namespace

TEST(RecordHostile, TruncatedFilesAreRefused) {
    std::mt19937 random(1);
    std::string text = WriteRecord(LongGame(random, false));
    int line = kLinesBeforeMoves + 20;
    std::size_t start = LineStart(text, line);
    // Inside the target's full-width digit, inside the origin, and at the end of a line.
    RecordError halfCharacter = Refusal(text.substr(0, start + 9));
    EXPECT_EQ(halfCharacter.line, line);
    EXPECT_EQ(halfCharacter.message, "読めない文字があります");
    RecordError halfOrigin = Refusal(text.substr(0, text.find('(', start) + 2));
    EXPECT_EQ(halfOrigin.line, line);
    EXPECT_EQ(halfOrigin.message, "指し手が読めません（移動元が読めません）");
    RecordError wholeLines = Refusal(text.substr(0, LineStart(text, line)));
    EXPECT_EQ(wholeLines.line, 7);
    EXPECT_EQ(wholeLines.message, "最終局面が指し手と合いません");
}

// In random games a move is replaced by one the rules refuse in that position: the record is
// refused at that line, with the rules' reason.
TEST(RecordHostile, AnIllegalMoveIsRefusedAtItsLine) {
    std::mt19937 random(2);
    for (int game = 0; game < 60; ++game) {
        GameRecord record = LongGame(random, game % 2 == 0);
        std::size_t k = random() % record.moves.size();
        RecordPosition before;
        for (std::size_t i = 0; i < k; ++i) before.Play(record.moves[i], true);
        RecordedMove bad;
        do {
            bad = {before.ToMove(), static_cast<int>(random() % 82) - 1,
                   static_cast<int>(random() % 81), kAllKinds[random() % 9]};
        } while (!RecordPosition(before).Play(bad, record.header.capturedPiecesUsed));
        int line = kLinesBeforeMoves + static_cast<int>(k) + 1;
        std::string text =
            ReplaceLine(WriteRecord(record), line, MoveLine(static_cast<int>(k) + 1, bad, 0));
        RecordError error = Refusal(text);
        EXPECT_EQ(error.line, line) << text;
        EXPECT_EQ(error.message.rfind("指し手が正しくありません（", 0), 0u) << error.message;
    }
}

TEST(RecordHostile, ResultsAndSettingsMustAgreeWithTheMoves) {
    std::mt19937 random(3);
    GameRecord withDrop;
    auto hasDrop = [](const GameRecord& r) {
        return std::any_of(r.moves.begin(), r.moves.end(), [](auto& m) { return m.IsDrop(); });
    };
    while (!hasDrop(withDrop)) withDrop = LongGame(random, true);
    std::string text = WriteRecord(withDrop);
    text.replace(text.find("使う"), std::string("使う").size(), "使わない");
    auto firstDrop = std::find_if(withDrop.moves.begin(), withDrop.moves.end(),
                                  [](auto& m) { return m.IsDrop(); });
    RecordError drop = Refusal(text);
    EXPECT_EQ(drop.line, kLinesBeforeMoves + 1 + (firstDrop - withDrop.moves.begin()));
    EXPECT_EQ(drop.message, "指し手が正しくありません（持ち駒は使えません）");

    std::string moves = ShufflingMoves(2);
    EXPECT_EQ(Refusal(moves + "3 先手の象が取られました\n").message,
              "結果が局面と合いません（先手の象が取られました）");
    EXPECT_EQ(Refusal(moves + "3 投了\n4 ５五犬(56)\n").line, 5);
    EXPECT_EQ(Refusal(moves + "4 投了\n").message, "手数が正しくありません（3手目のはずです）");
    EXPECT_EQ(Refusal(moves + "3 △５四犬(53)\n").message, "先手の番です");
    EXPECT_EQ(Refusal(moves + "3 勝ち\n").message, "結果が読めません（勝ち）");
    EXPECT_EQ(Refusal("1 ５五犬(56)\n持ち駒：使う\n").line, 2);
    EXPECT_EQ(Refusal(moves + "時間制限：ときどき\n").line, 4);

    // A decided game takes no further move, and a resignation cannot end it.
    RecordPosition final;
    GameRecord decided;
    while (!final.Decided()) decided = RandomRecord(random, false, 400, final);
    decided.result.reset();
    std::string ended = WriteRecord(decided);
    int next = static_cast<int>(decided.moves.size()) + 1;
    EXPECT_EQ(Refusal(ended + std::to_string(next) + " 投了\n").line, kLinesBeforeMoves + next);
    RecordedMove after = LegalMoves(RecordPosition(), false)[0];
    after.mover = final.ToMove();
    EXPECT_EQ(Refusal(ended + MoveLine(next, after, 0)).message,
              "指し手が正しくありません（対局は終わっています）");
}

TEST(RecordHostile, OversizedFilesAndTooManyMoves) {
    RecordError huge = Refusal(ShufflingMoves(100000));
    EXPECT_EQ(huge.line, 0);
    EXPECT_EQ(huge.message, "ファイルが大きすぎます");
    ASSERT_TRUE(ReadRecord(ShufflingMoves(kMaxRecordMoves), RecordEncoding::Utf8).index() == 0);
    RecordError many = Refusal(ShufflingMoves(kMaxRecordMoves + 1));
    EXPECT_EQ(many.line, kMaxRecordMoves + 2);
    EXPECT_EQ(many.message, "指し手が多すぎます");
}

TEST(RecordHostile, BadTextIsRefusedAtItsLine) {
    std::string text = ShufflingMoves(6);
    // A stray continuation byte, a truncated sequence, an overlong '/', a surrogate, U+110000,
    // a control character.
    const std::string bad[] = {"\x80",         "\xE4\xBA",         "\xC0\xAF",
                               "\xED\xA0\x80", "\xF4\x90\x80\x80", std::string(1, '\0')};
    for (const std::string& characters : bad) {
        RecordError error = Refusal(ReplaceLine(text, 4, "3 ５五" + characters));
        EXPECT_EQ(error.line, 4);
        EXPECT_EQ(error.message, "読めない文字があります");
    }
    WireBytes sjis = EncodeCp932(text);
    std::string bytes(sjis.begin(), sjis.end());
    bytes.insert(LineStart(bytes, 5) + 2, "\x81\x20");  // a lead byte without its trail byte
    EXPECT_EQ(Refusal(bytes, RecordEncoding::ShiftJis).line, 5);
    EXPECT_EQ(Refusal("").message, "棋譜ではありません");
    EXPECT_EQ(Refusal("# only a comment\n\n").line, 0);
    EXPECT_EQ(Refusal("hello\n").line, 1);
}

// Random bytes, and valid records with random bytes changed, never crash the reader; noise is
// refused, and whatever it accepts it writes and reads back the same.
TEST(RecordHostile, NoiseNeverCrashesTheReader) {
    std::mt19937 random(4);
    std::string valid = WriteRecord(LongGame(random, true));
    int accepted = 0;
    for (int i = 0; i < 2000; ++i) {
        RecordEncoding encoding = i % 2 ? RecordEncoding::Utf8 : RecordEncoding::ShiftJis;
        std::string noise(1 + random() % 400, '\0');
        for (char& c : noise) c = static_cast<char>(random());
        EXPECT_EQ(ReadRecord(noise, encoding).index(), 1u);
        std::string changed = valid;
        for (int n = 0; n < 1 + i % 4; ++n)
            changed[random() % changed.size()] = static_cast<char>(random());
        auto read = ReadRecord(changed, RecordEncoding::Utf8);
        if (read.index() == 1) continue;
        ++accepted;
        const GameRecord& record = std::get<GameRecord>(read);
        auto again = ReadRecord(WriteRecord(record), RecordEncoding::Utf8);
        ASSERT_EQ(again.index(), 0u);
        EXPECT_EQ(std::get<GameRecord>(again), record);
    }
    EXPECT_GT(accepted, 0);
}
