// The record's positions against the game itself: the same start, and random games played
// through both side by side, legal moves and refused attempts alike; and the position string
// both write, read back.
#include <gtest/gtest.h>

#include "RecordGames.h"
#include "ScriptedShell.h"
#include "rules/PieceKind.h"
#include "rules/Sfen.h"
#include "rules/StartBoard.h"

using namespace torvane;

namespace {

// The position string of `position` reads back as the same board, hands and side to move.
void ExpectReadsBack(const RecordPosition& position) {
    BoardPosition read;
    std::optional<std::string> why = ReadSfen(position.Sfen(), read);
    ASSERT_FALSE(why) << *why << ": " << position.Sfen();
    ASSERT_EQ(read.board, position.Board()) << position.Sfen();
    ASSERT_EQ(read.toMove, position.ToMove()) << position.Sfen();
    for (Side side : {Side::Sente, Side::Gote})
        for (int kind : kAllKinds)
            ASSERT_EQ(read.InHand(side, kind), position.InHand(side, kind)) << position.Sfen();
}

// A game at one computer and the record's position, moved together.
class SideBySide {
public:
    explicit SideBySide(bool drops) : drops_(drops) {
        g_.game.ApplySettings(SettingsChoice{.sound = false, .capturedPieces = drops});
    }

    // Makes `move` in both by the player's drag; true when the game took it.
    bool Play(RecordedMove move) {
        Side turn = g_.game.ToMove();
        bool handWasFull = HandSize(move.mover) == kHandSlots;
        bool recorded = !position_.Play(move, drops_);
        takenIntoFullHand += recorded && move.capture && handWasFull;
        if (PickUp(move)) g_.game.Image1_DragDrop(move.to);
        bool played = g_.game.ToMove() != turn;
        EXPECT_EQ(played, recorded) << MoveDescription(move);
        ExpectSamePosition();
        return played;
    }

    void ExpectSamePosition() {
        ASSERT_EQ(EnginePosition(g_.game), position_.Sfen());
        ExpectReadsBack(position_);
        std::optional<GameResult> decided = position_.Decided();
        ASSERT_EQ(!g_.game.BoardOpen(), decided.has_value());
        if (decided) {
            std::string lost = decided->loser == Side::Sente ? "先手の負けです" : "後手の負けです";
            ASSERT_EQ(g_.shell.messages.back(), lost);
        }
    }

    const RecordPosition& Position() const { return position_; }
    int takenIntoFullHand = 0;
    int HandSize(Side side) const {
        int n = 0;
        for (int kind : kAllKinds) n += position_.InHand(side, kind);
        return n;
    }

private:
    // The drag begins on the origin cell, or on a hand slot that holds such a piece.
    bool PickUp(const RecordedMove& move) {
        int begun = g_.shell.dragsBegun;
        if (!move.IsDrop()) {
            g_.game.BoardPickUp(move.from, MouseButton::Left);
            return g_.shell.dragsBegun != begun;
        }
        for (Hand hand : {Hand::Image4, Hand::Image5}) {
            const HandCells& cells = hand == Hand::Image4 ? g_.game.HandSlots(Hand::Image4)
                                                          : g_.game.HandSlots(Hand::Image5);
            for (int slot = 0; slot < kHandSlots; ++slot) {
                if (cells[slot].Tag != TagOf(move.mover) || cells[slot].Kind != move.kind) continue;
                g_.game.HandPickUp(hand, slot, MouseButton::Left);
                if (g_.shell.dragsBegun != begun) return true;
            }
        }
        return false;
    }

    static std::string MoveDescription(const RecordedMove& move) {
        return std::to_string(move.from) + "->" + std::to_string(move.to) + " kind " +
               std::to_string(move.kind);
    }

    LocalGame g_;
    RecordPosition position_;
    bool drops_;
};

// A move of the side to move that may well be refused: one of its pieces to any cell close to
// it, or a drop of a kind it holds on any cell, allowed or not.
RecordedMove Attempt(std::mt19937& random, const RecordPosition& position) {
    Side side = position.ToMove();
    const BoardCells& board = position.Board();
    for (int kind : kAllKinds)
        if (position.InHand(side, kind) > 0 && random() % 3 == 0)
            return {side, -1, static_cast<int>(random() % kCellCount), kind};
    std::vector<int> own;
    for (int cell = 0; cell < kCellCount; ++cell)
        if (board[cell].Tag == TagOf(side)) own.push_back(cell);
    int from = own[random() % own.size()];
    int to = std::clamp(from + static_cast<int>(random() % 41) - 20, 0, kCellCount - 1);
    return {side, from, to, board[from].Kind};
}

// A move that fills Sente's hand: Sente takes what it can and never drops, Gote drops what it
// holds, and neither ends the game while another move is left.
RecordedMove HoardingMove(std::mt19937& random, const RecordPosition& position) {
    bool sente = position.ToMove() == Side::Sente;
    std::vector<RecordedMove> preferred, rest;
    for (RecordedMove move : LegalMoves(position, true)) {
        RecordPosition after = position;
        if (move.capture && (after.Play(move, true), after.Decided())) continue;
        if (sente && move.IsDrop()) continue;
        bool wanted = sente ? move.capture : move.IsDrop();
        (wanted ? preferred : rest).push_back(move);
    }
    if (preferred.empty() && rest.empty()) return RandomMove(random, position, true);
    const auto& pool = preferred.empty() ? rest : preferred;
    return pool[random() % pool.size()];
}

}  // namespace

TEST(RecordPosition, StartsFromTheGamesStartPosition) {
    RecordPosition position;
    for (int cell = 0; cell < kCellCount; ++cell) {
        EXPECT_EQ(position.Board()[cell].Tag, SetupTemplate()[cell].Tag) << cell;
        EXPECT_EQ(position.Board()[cell].Kind, SetupTemplate()[cell].Kind) << cell;
    }
    EXPECT_EQ(position.ToMove(), Side::Sente);
    EXPECT_FALSE(position.Decided());
}

// Some hundred random games through the game and the record, a third without drops, a third
// with random drops and a third filling Sente's hand: after every attempt and every move both
// show the same position string, which reads back as the record's position, and the same end.
TEST(RecordPosition, PlaysRandomGamesExactlyAsTheGameDoes) {
    std::mt19937 random(20261208);
    int decided = 0, refused = 0, takenIntoFullHand = 0;
    for (int game = 0; game < 300; ++game) {
        bool drops = game % 3 != 0, hoarding = game % 3 == 2;
        SideBySide both(drops);
        both.ExpectSamePosition();
        for (int ply = 0; ply < 400 && !both.Position().Decided(); ++ply) {
            if (!hoarding && random() % 2 == 0)
                refused += !both.Play(Attempt(random, both.Position()));
            if (both.Position().Decided()) break;
            const RecordPosition& now = both.Position();
            ASSERT_TRUE(
                both.Play(hoarding ? HoardingMove(random, now) : RandomMove(random, now, drops)));
            if (::testing::Test::HasFatalFailure()) return;
        }
        decided += both.Position().Decided().has_value();
        takenIntoFullHand += both.takenIntoFullHand;
    }
    // The games reach what they are meant to compare: ends, refusals and full hands.
    EXPECT_GT(decided, 100);
    EXPECT_GT(refused, 1000);
    EXPECT_GT(takenIntoFullHand, 100);
}

// Bad text is refused with the reason and leaves the position as it was. Beside the named
// faults, every prefix of a position string with hands and every one-character change of it is
// tried: none may crash the reader, and what it reads writes as text it reads the same again.
TEST(PositionString, BadTextIsRefusedWithTheReason) {
    const std::string board = "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC";
    auto text = [](const std::string& b, const std::string& side, const std::string& hands,
                   const std::string& number) {
        return b + " " + side + " " + hands + " " + number;
    };
    const std::pair<std::string, std::string> bad[] = {
        {"", "四つの欄"},
        {board + " b -", "四つの欄"},
        {text(board, "b", "-", "1 2"), "四つの欄"},
        {text("cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L3/BWPRERPWC", "b", "-", "1"),
         "盤の8段目のマスが8個です"},
        {text(board + "D", "b", "-", "1"), "盤の9段目が9マスより長く"},
        {text("cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4", "b", "-", "1"),
         "盤の段が8段です"},
        {text(board + "/9", "b", "-", "1"), "9段より多く"},
        {text("cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4X4/BWPRERPWC", "b", "-", "1"),
         "盤に使えない文字「X」"},
        {text(board, "x", "-", "1"), "b か w"},
        {text(board, "b", "2x", "1"), "持ち駒に使えない文字「x」"},
        {text(board, "b", "0D", "1"), "持ち駒の数が0"},
        {text(board, "b", "19D", "1"), "持ち駒の数が18を超えて"},
        {text(board, "b", "9D9RE", "1"), "持ち駒が18枚を超えて"},
        {text(board, "b", "2D3", "1"), "数の後に駒がありません"},
        {text(board, "b", "-", "0"), "手数が1からの数ではありません"},
        {text(board, "b", "-", "1x"), "手数が1からの数ではありません"},
        {text(board, "b", "-", "1234567"), "手数が1からの数ではありません"},
    };
    const BoardPosition start{StartBoard()};
    for (const auto& [input, reason] : bad) {
        BoardPosition position = start;
        std::optional<std::string> why = ReadSfen(input, position);
        ASSERT_TRUE(why) << input;
        EXPECT_NE(why->find(reason), std::string::npos) << input << ": " << *why;
        EXPECT_EQ(position, start) << input;
    }
    const std::string good = text(board, "w", "9D9Rr2e", "35");
    std::size_t refused = 0;
    auto tryText = [&refused](const std::string& input) {
        BoardPosition position, again;
        if (ReadSfen(input, position)) {
            ++refused;
            return;
        }
        ASSERT_FALSE(ReadSfen(WriteSfen(position), again)) << input;
        EXPECT_EQ(again, position) << input;
    };
    for (std::size_t n = 0; n <= good.size(); ++n) tryText(good.substr(0, n));
    for (std::size_t i = 0; i < good.size(); ++i)
        for (char c : std::string_view("019/ -bwDre?"))
            tryText(good.substr(0, i) + c + good.substr(i + 1));
    EXPECT_GT(refused, good.size());
}
