// The position editor as a player drives it, with real mouse events: pieces set up between the
// box, the board and the hands, then played from at one computer, against the computer,
// studied and saved; pasted strings and positions no game can start from refused with nothing
// changed; the editor and network play keep apart; and its picture at 1x and 2x.
#include <gtest/gtest.h>
#include <QClipboard>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "ComputerGameAnswer.h"
#include "FileDialogAnswerer.h"
#include "NetTestHelpers.h"
#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/dialogs/Form5.h"
#include "app/dialogs/RecordWindow.h"
#include "app/editor/PieceTray.h"
#include "app/editor/SetUpBoardView.h"
#include "images/PieceImageTable.h"
#include "rules/PieceKind.h"
#include "rules/SetUpPosition.h"
#include "rules/Sfen.h"
#include "rules/StartBoard.h"

using namespace torvane;

namespace {

constexpr int kMoveWaitMs = 15000;  // a move of the engine takes at most a few seconds

// Gote's Elephant and a Rat at the top, Sente's at the bottom, a Dog in Sente's hand and a
// Lion in Gote's, Gote to move.
const std::string kSetUp = "4e4/3r5/9/9/9/9/9/7R1/4E4 w Dl 1";

// The player's mouse on the editor's window.
struct EditorMouse {
    PositionEditor& editor;

    QWindow* window() const { return editor.windowHandle(); }
    QPoint Cell(int cell) const {
        return editor.boardView()->mapTo(&editor, editor.boardView()->CellRect(cell).center());
    }
    QPoint Slot(PieceTray* tray, PieceKind kind) const {
        return tray->mapTo(&editor, tray->SlotRect(kind).center());
    }
    void Drag(QPoint from, QPoint to) const {
        QTest::mousePress(window(), Qt::LeftButton, {}, from);
        QTest::mouseMove(window(), (from + to) / 2);
        QTest::mouseMove(window(), to);
        QTest::mouseRelease(window(), Qt::LeftButton, {}, to);
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mouseClick(window(), button, {}, at);
    }
    void Button(const char* name) const {
        QTest::mouseClick(editor.findChild<QAbstractButton*>(name), Qt::LeftButton);
    }
    void Paste(const std::string& text) const {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
        Button("paste");
    }
};

EditorMouse OpenEditor(ShownForm& f) {
    f.Trigger("kyokumenhenshuu");
    PositionEditor* editor = f.form.positionEditor();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(editor));
    return {*editor};
}

BoardPosition Parsed(const std::string& text) {
    BoardPosition position;
    EXPECT_FALSE(ReadSfen(text, position)) << text;
    return position;
}

// Turns away any dialog other than a message box, where none should come up, and counts them.
struct StrayDialogs : ModalWatcher<QDialog> {
    StrayDialogs()
        : ModalWatcher<QDialog>([this](QDialog& dialog) {
              if (qobject_cast<QMessageBox*>(&dialog)) return;
              ++count;
              dialog.reject();
          }) {}
    int count = 0;
};

class PositionEditorTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("TORVANE_ENGINE", TORVANE_ENGINE_BINARY); }
    void TearDown() override { qunsetenv("TORVANE_ENGINE"); }
};

}  // namespace

// From an empty board the player drags pieces out of the box onto the board and into a hand,
// places one by two clicks, turns pieces over to Gote with the right button, moves one from the
// board into a hand, drops one off the grid (nothing moves) and chooses Gote to move. Played at
// one computer, the main board shows it, Gote's move by mouse is recorded from it, the copied
// position is the board's and taking the move back returns to the position set up.
TEST_F(PositionEditorTest, APositionSetUpByMouseIsPlayedFromAtOneComputer) {
    ShownForm f;
    ModalAnswerer answers;
    EditorMouse m = OpenEditor(f);
    EXPECT_EQ(m.editor.board().Position(), BoardPosition{StartBoard()});
    m.Button("clearBoard");
    PieceTray* box = m.editor.box();
    for (PieceKind kind : kAllKinds)
        EXPECT_EQ(m.editor.board().Count({SetUpPlace::Area::Box, -1, Side::Sente, kind}),
                  PiecesInGame(kind));
    m.Drag(m.Slot(box, Elephant), m.Cell(76));
    m.Drag(m.Slot(box, Rat), m.Cell(70));
    m.Drag(m.Slot(box, Elephant), m.Cell(4));
    m.Click(m.Cell(4), Qt::RightButton);
    m.Click(m.Slot(box, Rat));
    EXPECT_NE(QApplication::overrideCursor(), nullptr) << "the clicked piece is held";
    m.Click(m.Cell(12));
    m.Click(m.Cell(12), Qt::RightButton);
    m.Drag(m.Slot(box, Lion), m.Slot(m.editor.hand(Side::Gote), Rat));
    m.Drag(m.Slot(box, Dog), m.Cell(40));
    m.Drag(m.Cell(40), m.Slot(m.editor.hand(Side::Sente), Elephant));
    m.Drag(m.Cell(70), m.Cell(40));
    m.Drag(m.Cell(40), m.Cell(70));
    m.Drag(m.Cell(76), m.editor.boardView()->mapTo(&m.editor, QPoint(2, 2)));
    auto* gote = m.editor.findChild<QRadioButton*>("goteToMove");
    QTest::mouseClick(gote, Qt::LeftButton, {}, QPoint(6, gote->height() / 2));
    ASSERT_EQ(WriteSfen(m.editor.board().Position()), kSetUp);
    EXPECT_EQ(m.editor.board().Count({SetUpPlace::Area::Box, -1, Side::Sente, Dog}), 9);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "no piece is left held";
    EXPECT_TRUE(answers.texts.empty());

    m.Button("playHere");
    EXPECT_EQ(answers.texts, std::vector<std::string>{"後手の番です"});
    EXPECT_FALSE(m.editor.isVisible());
    const Game& game = f.form.game();
    EXPECT_EQ(EnginePosition(game), kSetUp);
    EXPECT_EQ(game.History().header().start, Parsed(kSetUp));
    f.DragCell(12, 21);
    Snapshot(f.form, "editor-played");
    ASSERT_EQ(game.History().entries().size(), 1u);
    EXPECT_EQ(game.ToMove(), Side::Sente);
    EXPECT_EQ(EnginePosition(game), "4e4/9/3r5/9/9/9/9/7R1/4E4 b Dl 1");
    f.Trigger("kyokumen");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), EnginePosition(game));
    f.Trigger("matta");
    EXPECT_EQ(EnginePosition(game), kSetUp);
}

// Pasted strings that are no position, or a position no game can start from, are refused in a
// box of the program's title that says why, and the editor keeps its position; so is every use
// of an empty board, and the game on the main board stays as it was. Over a game in progress
// the player is asked first: No keeps the game, Yes starts the new one.
TEST_F(PositionEditorTest, BadPastesAndIllegalPositionsAreRefusedWithNothingChanged) {
    ShownForm f;
    ModalAnswerer answers;
    StrayDialogs stray;
    f.Trigger("sutato");
    f.DragCell(75, 66);
    const Game& game = f.form.game();
    const BoardCells squares = game.Squares();
    const std::uint64_t version = game.History().version();
    EditorMouse m = OpenEditor(f);
    const BoardPosition shown = m.editor.board().Position();
    EXPECT_EQ(WriteSfen(shown), EnginePosition(game));
    answers.texts.clear();
    answers.titles.clear();

    const std::string board = "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC";
    const std::pair<std::string, std::string> pastes[] = {
        {"", "局面を読み込めません。\n局面は盤・手番・持ち駒・手数の四つの欄で書きます（欄が0個"},
        {"position startpos", "局面を読み込めません。\n局面は盤・手番・持ち駒・手数の四つの欄"},
        {std::string(200000, 'x') + " b - 1", "局面を読み込めません。\n盤に使えない文字「x」"},
        {"象 b - 1", "局面を読み込めません。\n盤に使えない文字があります"},
        {board + " b 2E 1", "この局面は使えません。\n象が多すぎます（全部で2枚までです）"},
        {"cwp1e1pwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC w - 1",
         "この局面は使えません。\n後手の鼠が盤上にありません"},
    };
    for (const auto& [text, reason] : pastes) {
        m.Paste(text);
        ASSERT_FALSE(answers.texts.empty());
        EXPECT_TRUE(answers.texts.back().starts_with(reason)) << answers.texts.back();
        EXPECT_EQ(answers.titles.back(), "Torvane");
        EXPECT_EQ(m.editor.board().Position(), shown) << text.substr(0, 80);
    }
    EXPECT_EQ(answers.texts.size(), std::size(pastes));
    m.Paste("  " + kSetUp + "\n");
    EXPECT_EQ(WriteSfen(m.editor.board().Position()), kSetUp);

    m.Button("clearBoard");
    for (const char* use : {"playHere", "playComputer", "study", "save"}) {
        m.Button(use);
        EXPECT_EQ(answers.texts.back(), "この局面は使えません。\n先手の象が盤上にありません");
        EXPECT_TRUE(m.editor.isVisible());
    }
    EXPECT_EQ(game.Squares(), squares);
    EXPECT_EQ(game.History().version(), version);

    m.Click(m.Slot(m.editor.box(), Elephant));  // a piece held by a click is let go by a button
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    m.Button("startPosition");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    answers.answers = {false};
    m.Button("playHere");
    EXPECT_EQ(answers.texts.back(), "対局中のゲームをやめて、この局面にしますか?");
    EXPECT_TRUE(m.editor.isVisible());
    EXPECT_EQ(game.Squares(), squares);
    EXPECT_EQ(game.History().version(), version);
    const std::size_t asked = answers.texts.size();
    m.Button("playHere");
    ASSERT_EQ(answers.texts.size(), asked + 2);
    EXPECT_EQ(answers.texts.back(), "先手の番です");
    EXPECT_FALSE(m.editor.isVisible());
    EXPECT_TRUE(game.History().entries().empty());
    EXPECT_EQ(EnginePosition(game), WriteSfen(BoardPosition{StartBoard()}));
    EXPECT_EQ(stray.count, 0);
}

// While the editor is open, connecting and listening are refused with a message and no dialog;
// once the editor is closed and the program listens, the editor cannot be opened.
TEST_F(PositionEditorTest, NetworkPlayAndTheEditorExcludeEachOther) {
    ShownForm f;
    ModalAnswerer answers;
    EditorMouse m = OpenEditor(f);
    {
        StrayDialogs stray;
        f.Trigger("suruu");
        f.Trigger("matu");
        EXPECT_EQ(stray.count, 0);
    }
    EXPECT_EQ(answers.texts, std::vector<std::string>(2, "局面編集を閉じてから接続してください"));
    EXPECT_TRUE(m.editor.isVisible());
    EXPECT_FALSE(f.form.game().NetworkMode());

    m.Button("close");
    ReservedPort port;
    WhenModal<Form5>([&port](Form5& d) {
        Type(d, "Text1", "P1");
        Type(d, "Text2", port.text());
        Click(d, "Command1");
    });
    f.Trigger("matu");
    ASSERT_TRUE(f.form.game().NetworkMode());
    EXPECT_FALSE(f.form.action("kyokumenhenshuu")->isEnabled());
}

// A pasted position is saved as a record that starts from it, which another window opens at
// that position; studied, it is shown as a record with no moves and the move list opens; and
// against the computer, the computer, to move, answers from it, the player's move by mouse
// follows, and take-back returns to the computer's first move.
TEST_F(PositionEditorTest, APositionIsSavedStudiedAndPlayedAgainstTheComputer) {
    ShownForm f;
    ModalAnswerer answers;
    EditorMouse m = OpenEditor(f);
    m.Paste(kSetUp);
    QTemporaryDir dir;
    FileDialogAnswerer files;
    files.path = dir.filePath("setup");
    m.Button("save");
    EXPECT_TRUE(m.editor.isVisible());
    QFile saved(files.path + ".kifu");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        saved.readAll().contains(QByteArray::fromStdString("\n開始局面：" + kSetUp + "\n")));

    const Game& game = f.form.game();
    m.Button("study");
    EXPECT_FALSE(m.editor.isVisible());
    EXPECT_EQ(EnginePosition(game), kSetUp);
    ASSERT_TRUE(f.form.recordWindow() && f.form.recordWindow()->isVisible());
    EXPECT_EQ(f.form.recordWindow()->Plies(), 0);

    f.Trigger("kyokumenhenshuu");
    EXPECT_EQ(WriteSfen(m.editor.board().Position()), kSetUp);
    AnswerComputerGameDialog(false, 1);
    QSignalSpy moved(&f.form, &Form1::computerMoved);
    m.Button("playComputer");
    ASSERT_TRUE(game.AgainstComputer());
    EXPECT_EQ(game.History().header().start, Parsed(kSetUp));
    ASSERT_TRUE(moved.wait(kMoveWaitMs));
    ASSERT_EQ(game.History().entries().size(), 1u);
    EXPECT_EQ(game.History().entries()[0].move.mover, Side::Gote);
    const std::string afterComputer = EnginePosition(game);
    f.DragCell(70, 61);
    ASSERT_EQ(game.History().entries().size(), 2u);
    ASSERT_TRUE(moved.wait(kMoveWaitMs));
    f.Trigger("matta");
    EXPECT_EQ(EnginePosition(game), afterComputer);

    ShownForm other;
    files.path += ".kifu";
    other.Trigger("kifuhiraku");
    EXPECT_EQ(EnginePosition(other.form.game()), kSetUp);
}

// The editor at the window's design size and at twice it: the same felt, wood and maple, and
// every piece on its board the picture the main board shows, drawn for that size.
TEST_F(PositionEditorTest, TheEditorIsDrawnForItsSize) {
    for (double scale : {1.0, 2.0}) {
        ShownForm f;
        ModalAnswerer answers;
        if (scale != 1.0) f.ScaleTo(scale);
        EditorMouse m = OpenEditor(f);
        m.Paste("cwp1erpwb/4l4/1t5t1/d3d3d/9/D3D3D/1T5T1/4L4/BWP1ERPWC w R2Dr2d 1");
        m.Drag(m.Cell(2), m.Slot(m.editor.box(), Rat));   // Gote's Leopard into the box
        m.Drag(m.Cell(73), m.Slot(m.editor.box(), Rat));  // and Sente's Wolf
        m.editor.grab();
        ASSERT_TRUE(QTest::qWaitFor([] { return !PictureDrawer::instance().pending(); }));
        const QImage shot = Snapshot(m.editor, scale == 1.0 ? "editor-1x" : "editor-2x");
        EXPECT_EQ(shot.size(), QSize(664, 436) * scale);
        const SetUpBoardView* view = m.editor.boardView();
        const int size = view->PieceSize();
        EXPECT_EQ(size, static_cast<int>(32 * scale));
        int pieces = 0;
        for (int cell = 0; cell < kCellCount; ++cell) {
            std::optional<SetUpPiece> piece =
                m.editor.board().PieceAt({SetUpPlace::Area::Board, cell});
            if (!piece) continue;
            ++pieces;
            const ImageInk ink = piece->side == Side::Sente ? ImageInk::Black : ImageInk::Red;
            const int id = PieceImageId(piece->kind, ink, ImageVariant::Normal);
            EXPECT_GT(MatchingPixels(shot, view->mapTo(&m.editor, view->PiecePos(cell)), id, size),
                      size * size / 2)
                << "cell " << cell << " at " << scale;
        }
        EXPECT_EQ(pieces, 26);
    }
}
