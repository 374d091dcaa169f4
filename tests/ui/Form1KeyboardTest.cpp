#include <gtest/gtest.h>
#include <QRegularExpression>
#include <random>
#include <set>

#include <QAccessible>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>

#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/dialogs/ComputerGameDialog.h"
#include "app/window/AccessibleEvents.h"
#include "app/window/HandCount.h"
#include "app/window/KeyboardPlay.h"
#include "engine/MoveGen.h"
#include "engine/Sfen.h"
#include "game/EnginePosition.h"
#include "record/Notation.h"

using namespace torvane;
namespace eng = torvane::engine;

namespace {

// The window as a keyboard player uses it: keys go to the window, and reach the board when it
// has the focus.
struct KeyboardPlayer {
    ShownForm& f;

    const KeyboardCursor& cursor() const { return f.form.keyboard()->cursor(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(f.window(), key, modifiers);
    }
    void Keys(Qt::Key key, int times) {
        for (int i = 0; i < times; ++i) Key(key);
    }
    // Arrow keys to `index` of the area the cursor is in (9 columns on the board, 3 in a hand).
    void MoveTo(int index) {
        const int width = cursor().Place().OnBoard() ? 9 : 3;
        const int at = cursor().Place().index;
        const int columns = index % width - at % width, rows = index / width - at / width;
        Keys(columns < 0 ? Qt::Key_Left : Qt::Key_Right, std::abs(columns));
        Keys(rows < 0 ? Qt::Key_Up : Qt::Key_Down, std::abs(rows));
    }
    // A step from `from` to `to`, or a drop from `slot` of the hand of the side to move.
    void Step(int from, int to) {
        MoveTo(from);
        Key(Qt::Key_Return);
        MoveTo(to);
        Key(Qt::Key_Space);
    }
    void Drop(int slot, int to) {
        Key(Qt::Key_H);
        MoveTo(slot);
        Key(Qt::Key_Enter);
        MoveTo(to);
        Key(Qt::Key_Return);
    }
};

eng::Position EnginePositionOf(const Game& game) {
    eng::Position pos;
    std::string error;
    EXPECT_TRUE(eng::ParseSfen(EnginePosition(game), pos, error)) << error;
    return pos;
}

// The first slot of `hand` that holds a piece of `kind`.
int SlotOf(const Game& game, Hand hand, int kind) {
    const HandCells& cells = game.HandSlots(hand);
    for (int k = 0; k < kHandSlots; ++k)
        if (cells[k].Kind == kind && HoldsPiece(cells[k])) return k;
    return -1;
}

int Kinds(const Game& game, Hand hand) {
    std::set<int> kinds;
    for (const Cell& cell : game.HandSlots(hand))
        if (HoldsPiece(cell)) kinds.insert(cell.Kind);
    return static_cast<int>(kinds.size());
}

// A random legal move in `position` (drops too when `drops`), a capture when there is one;
// kNoMove when there is none.
eng::Move CaptureFirst(const eng::Position& position, std::mt19937& random, bool drops) {
    eng::MoveList list;
    eng::GenerateMoves(position, drops, list);
    if (list.size == 0) return eng::kNoMove;
    std::vector<eng::Move> captures;
    for (eng::Move m : list)
        if (!eng::IsDrop(m) && position.At(eng::ToOf(m)) != eng::kEmpty) captures.push_back(m);
    if (!captures.empty()) return captures[random() % captures.size()];
    return list.begin()[random() % list.size];
}

// The pixels of the cursor's violet in `area` of `image`.
int VioletPixels(const QImage& image, QRect area) {
    int n = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == qRgb(96, 32, 200)) ++n;
    return n;
}

// A hand's count as a screen reader reads it, "先手の持ち駒 虎2枚 犬3枚": the kinds strongest
// first, each once, with counts that add up to the pieces the hand holds.
void ExpectCountAddsUp(const QLabel& count, const HandCells& hand, const QString& side) {
    QStringList words = count.accessibleName().split(' ');
    ASSERT_EQ(words.takeFirst(), side + "の持ち駒");
    int held = 0, total = 0, previous = 100;
    for (const Cell& cell : hand) held += HoldsPiece(cell);
    if (held == 0) {
        EXPECT_EQ(words, QStringList{"なし"});
        return;
    }
    for (const QString& word : words) {
        const QString kanji = word.left(word.indexOf(QRegularExpression("[0-9]")));
        int kind = 0;
        for (PieceKind k : kAllKinds)
            if (kanji == QString::fromUtf8(KanjiOf(k))) kind = k;
        EXPECT_LT(kind, previous) << word.toStdString();
        previous = kind;
        total += word.mid(kanji.size()).chopped(1).toInt();
    }
    EXPECT_EQ(total, held);
    EXPECT_EQ(count.text().count(' '), words.size() - 1) << "one kind a word on the board too";
}

// A cell's name read the way a player reads it: "５五 先手 犬" is file 5, rank 5 (row 4 from
// Sente's side, column 9 - 5), Sente's Dog; "５五 空き" an empty cell. The engine's piece code.
std::pair<int, eng::Piece> ReadCell(const QString& name) {
    static const QString files = "１２３４５６７８９", ranks = "一二三四五六七八九";
    static const QStringList kinds = {"鼠", "犬", "狼", "豹", "鰐", "熊", "虎", "獅子", "象"};
    const QStringList words = name.split(' ');
    const auto square =
        static_cast<int>(ranks.indexOf(words[0][1]) * 9 + 8 - files.indexOf(words[0][0]));
    if (words.size() == 2 && words[1] == "空き") return {square, eng::kEmpty};
    if (words.size() != 3 || !kinds.contains(words[2])) return {-1, eng::kEmpty};
    return {square, eng::MakePiece(words[1] == "先手" ? eng::Sente : eng::Gote,
                                   static_cast<int>(kinds.indexOf(words[2])))};
}

}  // namespace

// A whole game at one computer by keyboard alone, drops allowed: Ctrl+N starts it, and every
// move, a random legal one of the side to move (a capture when there is one, so that the game
// ends), is made by the arrow keys, Enter or Space, and H for a drop. Each leaves the game's
// position exactly where the engine's rules put it after that move, with the move in the record;
// a piece picked up and put back with Escape changes nothing; the game ends with its box, and the
// board keeps the keyboard throughout.
TEST(Form1Keyboard, AWholeGameIsPlayedByKeysAlone) {
    ShownForm f;
    ModalAnswerer answers;
    Game& game = f.form.game();
    game.ApplySettings(SettingsChoice{.capturedPieces = true});
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    KeyboardPlayer player{f};
    player.Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(game.BoardOpen());
    EXPECT_FALSE(player.cursor().Shown());
    player.Key(Qt::Key_Down);
    EXPECT_TRUE(player.cursor().Shown());
    EXPECT_EQ(player.cursor().Place(), (CursorPlace{std::nullopt, 40}))
        << "the first key only shows it";

    std::mt19937 random(11);
    int drops = 0, putBack = 0;
    for (int ply = 0; ply < 400 && !game.History().result(); ++ply) {
        ASSERT_EQ(f.form.focusWidget(), f.form.board()) << "ply " << ply;
        const eng::Position before = EnginePositionOf(game);
        const eng::Move chosen = CaptureFirst(before, random, true);
        ASSERT_NE(chosen, eng::kNoMove);
        const auto move = ParseEngineMove(eng::MoveName(chosen), false);
        ASSERT_TRUE(move);
        if (ply % 7 == 3 && !move->drop) {  // picked up, then put back
            const BoardCells board = game.Squares();
            player.MoveTo(move->from);
            player.Key(Qt::Key_Return);
            EXPECT_TRUE(player.cursor().Holding());
            player.Key(Qt::Key_Escape);
            EXPECT_FALSE(player.cursor().Holding());
            EXPECT_EQ(game.Squares(), board) << "the range is cleared again";
            ++putBack;
        }
        const std::size_t moves = game.History().entries().size();
        if (move->drop) {
            const Hand hand = game.ToMove() == game.LocalSide() ? Hand::Image4 : Hand::Image5;
            const int slot = SlotOf(game, hand, move->kind);
            ASSERT_GE(slot, 0);
            player.Drop(slot, move->to);
            ++drops;
        } else {
            player.Step(move->from, move->to);
        }
        ASSERT_EQ(game.History().entries().size(), moves + 1) << eng::MoveName(chosen);
        eng::Position expected = before;
        eng::Undo undo;
        expected.Make(chosen, undo);
        eng::Position shown = EnginePositionOf(game);
        shown.SetMoveNumber(expected.MoveNumber());
        ASSERT_EQ(eng::FormatSfen(shown), eng::FormatSfen(expected)) << "ply " << ply;
        EXPECT_FALSE(player.cursor().Holding());
    }
    ASSERT_TRUE(game.History().result()) << "no end within 400 plies";
    RecordProperty("plies", static_cast<int>(game.History().entries().size()));
    RecordProperty("drops", drops);
    EXPECT_FALSE(game.BoardOpen());
    EXPECT_GT(putBack, 0);
    EXPECT_GT(drops, 0) << "no drop was chosen: pick another seed";
    ASSERT_FALSE(answers.texts.empty());
}

// The cursor is framed on its cell, and nowhere else, only while the keyboard is in use, at each
// scale the window takes; the hands' counts, next to them, say what they hold. The window closes
// cleanly with a piece still held by keyboard.
TEST(Form1Keyboard, CursorAndHandCountsShowAtEveryScale) {
    ShownForm f;
    ModalAnswerer answers;
    Game& game = f.form.game();
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    KeyboardPlayer player{f};
    player.Key(Qt::Key_N, Qt::ControlModifier);
    player.Key(Qt::Key_Up);
    std::mt19937 random(3);
    while (!game.History().result() &&
           (Kinds(game, Hand::Image4) < 2 || Kinds(game, Hand::Image5) < 2)) {
        const auto move = ParseEngineMove(
            eng::MoveName(CaptureFirst(EnginePositionOf(game), random, false)), false);
        ASSERT_TRUE(move);
        player.Step(move->from, move->to);
    }
    ASSERT_FALSE(game.History().result()) << "the game ended before the hands filled";
    auto* bottom = f.form.findChild<QLabel*>("HandCount3");
    auto* top = f.form.findChild<QLabel*>("HandCount2");
    ASSERT_TRUE(bottom && top);
    ExpectCountAddsUp(*bottom, game.HandSlots(Hand::Image4), "先手");
    ExpectCountAddsUp(*top, game.HandSlots(Hand::Image5), "後手");

    for (double scale : {1.0, 1.5, 2.0}) {
        f.ScaleTo(scale);
        player.MoveTo(30);
        const QImage image = Snapshot(f.form, qPrintable(QString("keyboard-%1x").arg(scale)));
        const BoardView* board = f.form.board();
        const QRect cell(board->mapTo(&f.form, board->CellRect(30).topLeft()),
                         board->CellRect(30).size());
        EXPECT_GT(VioletPixels(image, cell), 4 * cell.width()) << scale;
        EXPECT_EQ(VioletPixels(image, image.rect()), VioletPixels(image, cell)) << scale;
        EXPECT_TRUE(bottom->isVisible() && top->isVisible());
    }
    QTest::mouseClick(f.window(), Qt::LeftButton, {}, f.CellCentre(40));
    EXPECT_EQ(VioletPixels(Snapshot(f.form, "keyboard-mouse"), f.form.rect()), 0);

    player.Key(Qt::Key_Up);  // shows the cursor again
    const auto move =
        ParseEngineMove(eng::MoveName(CaptureFirst(EnginePositionOf(game), random, false)), false);
    ASSERT_TRUE(move);
    player.MoveTo(move->from);
    player.Key(Qt::Key_Return);
    EXPECT_TRUE(player.cursor().Holding());
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    EXPECT_TRUE(f.form.board()->hasFocus()) << "and so the window closes";
}

// Against the computer as Gote the board is turned: every cell's accessible name still names the
// square and the piece that the engine's position has there, the computer's move is announced in
// the record's notation, and the Up key moves the cursor up the screen, towards rank 九.
TEST(Form1Keyboard, NamesAndKeysFollowTheTurnedBoard) {
    qputenv("TORVANE_ENGINE", TORVANE_ENGINE_BINARY);
    ShownForm f;
    ModalAnswerer answers;
    WhenModal<ComputerGameDialog>([](ComputerGameDialog& dialog) {
        dialog.findChild<QRadioButton*>("gote")->setChecked(true);
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    QSignalSpy moved(&f.form, &Form1::computerMoved);
    f.Trigger("konpyuta");
    ASSERT_TRUE(moved.wait(15000)) << "the computer (Sente) did not move";
    const Game& game = f.form.game();
    ASSERT_EQ(game.LocalSide(), Side::Gote);
    EXPECT_EQ(f.form.accessibleEvents()->status()->Latest().toStdString(),
              MoveText(game.History().entries().back().move));

    const eng::Position position = EnginePositionOf(game);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(f.form.board());
    ASSERT_EQ(board->childCount(), kCellCount);
    std::set<int> squares;
    for (int cell = 0; cell < kCellCount; ++cell) {
        QAccessibleInterface* place = board->child(cell);
        EXPECT_EQ(place->role(), QAccessible::Cell);
        const auto [square, piece] = ReadCell(place->text(QAccessible::Name));
        ASSERT_GE(square, 0) << place->text(QAccessible::Name).toStdString();
        EXPECT_EQ(piece, position.At(square)) << place->text(QAccessible::Name).toStdString();
        squares.insert(square);
    }
    EXPECT_EQ(squares.size(), 81u);

    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    KeyboardPlayer player{f};
    player.Key(Qt::Key_Up);  // shows the cursor
    const int before = player.cursor().Place().index;
    player.Key(Qt::Key_Up);
    EXPECT_EQ(player.cursor().Place().index, before - 9);
    EXPECT_EQ(ReadCell(board->child(before - 9)->text(QAccessible::Name)).first,
              ReadCell(board->child(before)->text(QAccessible::Name)).first + 9);
    qunsetenv("TORVANE_ENGINE");
}
