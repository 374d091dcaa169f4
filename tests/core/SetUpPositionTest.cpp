// Positions set up by hand: the check that a game can start from one, random ones started as
// games at one computer whose records are saved and read back, and the records' 開始局面
// header forged, cut and misplaced.
#include <gtest/gtest.h>

#include "RandomPlay.h"
#include "RecordGames.h"
#include "ScriptedShell.h"
#include "protocol/TextCodec.h"
#include "record/Notation.h"
#include "rules/PieceKind.h"
#include "rules/SetUpPosition.h"
#include "rules/Sfen.h"
#include "rules/StartBoard.h"

using namespace torvane;

namespace {

// The header's seven lines and the column titles: move k is on line 9 + k.
constexpr int kStartLine = 7;
constexpr int kLinesBeforeMoves = 9;

std::variant<GameRecord, RecordError> ReadBack(std::string_view text, bool shiftJis = false) {
    if (!shiftJis) return ReadRecord(text, RecordEncoding::Utf8);
    WireBytes bytes = EncodeCp932(std::string(text));
    return ReadRecord(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                      RecordEncoding::ShiftJis);
}

RecordError Refusal(std::string_view text) {
    auto read = ReadBack(text);
    if (auto* error = std::get_if<RecordError>(&read)) return *error;
    ADD_FAILURE() << "accepted:\n" << text;
    return {};
}

std::string ReplaceLine(std::string text, int number, const std::string& line) {
    std::size_t at = 0;
    for (int k = 1; k < number; ++k) at = text.find('\n', at) + 1;
    return text.replace(at, text.find('\n', at) - at, line);
}

BoardPosition Parsed(const std::string& text) {
    BoardPosition position;
    std::optional<std::string> why = ReadSfen(text, position);
    EXPECT_FALSE(why) << *why << ": " << text;
    return position;
}

const std::string kStartText = WriteSfen(BoardPosition{StartBoard()});

}  // namespace

// The start position can start a game; a side without its Elephant or its last Rat on the
// board cannot, nor a kind more often than the game has it, nor a hand over 18 pieces. A
// position where the side to move takes the enemy Elephant at once is one a game can reach.
TEST(SetUpPosition, TheCheckNamesWhatIsWrong) {
    EXPECT_EQ(CheckSetUp(BoardPosition{StartBoard()}), std::nullopt);
    EXPECT_EQ(PiecesInGame(Rat), 4);
    EXPECT_EQ(PiecesInGame(Dog), 10);
    EXPECT_EQ(PiecesInGame(Elephant), 2);
    const std::pair<const char*, const char*> bad[] = {
        {"cwpr1rpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b - 1",
         "後手の象が盤上にありません"},
        {"cwpr1rpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b e 1",
         "後手の象が盤上にありません"},
        {"cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWP1E1PWC w 2R 1",
         "先手の鼠が盤上にありません"},
        {"cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b E 1",
         "象が多すぎます（全部で2枚までです）"},
        {"cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1TL3LT1/4L4/BWPRERPWC b - 1",
         "獅子が多すぎます（全部で2枚までです）"},
    };
    for (const auto& [text, reason] : bad) EXPECT_EQ(CheckSetUp(Parsed(text)), reason) << text;

    // Every piece but the Elephants and two Rats in Sente's hand: 32, more than a hand holds.
    BoardPosition hoard = Parsed("4e4/9/9/4r4/9/4R4/9/9/4E4 b - 1");
    for (PieceKind kind : kAllKinds) hoard.InHand(Side::Sente, kind) = SparePieces(hoard, kind);
    EXPECT_EQ(CheckSetUp(hoard), "先手の持ち駒が18枚を超えています");

    // Sente's Rat stands next to Gote's Elephant, Sente to move.
    EXPECT_EQ(CheckSetUp(Parsed("4e4/4R4/9/9/9/9/9/9/4E3r b - 1")), std::nullopt);
}

// Random positions set up by hand, written as position strings and pasted back, pass the check
// and start a game at one computer showing them; played on by drags, the game's record written
// to a file reads back the same in both encodings, from the same start, to the same position,
// and taking every move back returns to the position set up.
TEST(SetUpPosition, RandomPositionsStartGamesWhoseRecordsComeBack) {
    int drops = 0, ended = 0;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        std::mt19937 random(seed);
        const BoardPosition start = RandomSetUp(random);
        const std::string text = WriteSfen(start);
        const BoardPosition pasted = Parsed(text);
        ASSERT_EQ(pasted, start) << text;
        ASSERT_EQ(CheckSetUp(pasted), std::nullopt) << text;

        LocalGame g;
        ChangeSettings(g.game, [seed](SettingsChoice& c) { c.capturedPieces = seed % 2 == 0; });
        g.game.StartFromPosition(pasted);
        EXPECT_EQ(g.shell.messages.back(),
                  start.toMove == Side::Sente ? "先手の番です" : "後手の番です");
        ASSERT_EQ(EnginePosition(g.game), text);
        ASSERT_TRUE(g.game.BoardOpen()) << text;
        for (int n = 0; n < 40 && g.game.BoardOpen(); ++n) {
            const std::string& mover =
                g.game.ToMove() == Side::Sente ? g.game.SenteTag : g.game.GoteTag;
            if (!PlayRandomMove(g.game, mover, random)) break;
        }
        const GameRecord record = g.game.History().ToRecord();
        ASSERT_EQ(record.header.start, start);
        ASSERT_FALSE(record.moves.empty());
        for (const RecordedMove& move : record.moves) drops += move.IsDrop();
        ended += record.result.has_value();

        const std::string file = WriteRecord(record);
        EXPECT_NE(file.find("\n開始局面：" + text + "\n"), std::string::npos) << file;
        for (bool shiftJis : {false, true}) {
            auto read = ReadBack(file, shiftJis);
            ASSERT_EQ(read.index(), 0u) << std::get<RecordError>(read).message << "\n" << file;
            ASSERT_EQ(std::get<GameRecord>(read), record) << file;
        }
        LocalGame loaded;
        loaded.game.LoadRecord(std::get<GameRecord>(ReadBack(file)));
        EXPECT_EQ(EnginePosition(loaded.game), EnginePosition(g.game)) << file;
        while (g.game.MayTakeBack()) g.game.TakeBack();
        EXPECT_EQ(EnginePosition(g.game), text);
    }
    EXPECT_GT(drops, 50);
    EXPECT_GT(ended, 5);
}

// The 開始局面 header of a saved game forged, cut, moved below the moves or dropped: each is
// refused at the line to blame with the reason, in words a player reads. The start position
// written out, and a move number other than 1, are read as the game's own start.
TEST(SetUpPosition, BadStartHeadersAreRefusedAtTheirLine) {
    const std::string start =
        "4e4/9/2t6/3r5/4D4/5R3/9/9/4E4 b -";  // Sente's Dog at 5五, nothing on 5七
    GameRecord record;
    record.header.start = Parsed(start + " 1");
    record.moves = {{Side::Sente, 40, 31, Dog, false, 3}, {Side::Gote, 20, 29, Tiger, false, 4}};
    const std::string file = WriteRecord(record);
    ASSERT_EQ(ReadBack(file).index(), 0u) << file;
    ASSERT_EQ(ReplaceLine(file, kStartLine, "開始局面：" + start + " 1"), file);

    const std::pair<std::string, std::string> headers[] = {
        {"開始局面：", "開始局面が読めません（局面は盤・手番・持ち駒・手数の四つの欄"},
        {"開始局面：象", "開始局面が読めません（局面は"},
        {"開始局面：象 b - 1", "開始局面が読めません（盤に使えない文字があります）"},
        {"開始局面：" + start + " 0", "開始局面が読めません（手数が1からの数ではありません）"},
        {"開始局面：4e4/9/2t6/3r5/4D4/5R3/9/9/9 b - 1",
         "開始局面が正しくありません（先手の象が盤上にありません）"},
        {"開始局面：4e4/9/2t6/3r5/4D4/5R3/9/9/4E4 b 4T 1",
         "開始局面が正しくありません（虎が多すぎます（全部で4枚までです））"},
        {"開始局面：" + start + " 1 1", "開始局面が読めません（局面は"},
    };
    for (const auto& [line, reason] : headers) {
        RecordError error = Refusal(ReplaceLine(file, kStartLine, line));
        EXPECT_EQ(error.line, kStartLine) << line;
        EXPECT_TRUE(error.message.starts_with(reason)) << line << ": " << error.message;
    }
    // Without its start the first move is not legal from the start position.
    EXPECT_EQ(Refusal(ReplaceLine(file, kStartLine, "")).line, kLinesBeforeMoves + 1);
    // Below the moves.
    RecordError late = Refusal(file + "開始局面：" + start + " 1\n");
    EXPECT_EQ(late.message, "開始局面は指し手より前に書きます");
    // A move the set-up position does not allow, where the start position would.
    RecordedMove fromTheStart = LegalMoves(RecordPosition(), false)[0];
    RecordError illegal =
        Refusal(ReplaceLine(file, kLinesBeforeMoves + 1, MoveLine(1, fromTheStart, 0)));
    EXPECT_EQ(illegal.line, kLinesBeforeMoves + 1);
    EXPECT_TRUE(illegal.message.starts_with("指し手が正しくありません")) << illegal.message;

    // A move number of its own is read as 1, and the start position written out as no header.
    auto numbered = ReadBack(ReplaceLine(file, kStartLine, "開始局面：" + start + " 35"));
    ASSERT_EQ(numbered.index(), 0u);
    EXPECT_EQ(std::get<GameRecord>(numbered), record);
    GameRecord plain;
    plain.moves = {LegalMoves(RecordPosition(), false)[0]};
    const std::string plainFile = WriteRecord(plain);
    EXPECT_EQ(plainFile.find("開始局面"), std::string::npos);
    auto explicitStart = ReadBack("開始局面：" + kStartText + "\n" + plainFile);
    ASSERT_EQ(explicitStart.index(), 0u);
    EXPECT_EQ(std::get<GameRecord>(explicitStart), plain);
}
