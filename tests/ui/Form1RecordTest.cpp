#include <gtest/gtest.h>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "FileDialogAnswerer.h"
#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/dialogs/RecordWindow.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

QStringList Lines(const Form1& form) {
    QStringList lines;
    const QListWidget* list = form.recordWindow()->list();
    for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
    return lines;
}

void Click(const Form1& form, const char* button) {
    QTest::mouseClick(form.recordWindow()->findChild<QPushButton*>(button), Qt::LeftButton);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

// A game by mouse is listed as it is played, replayed without being changed, a move is taken
// back, and the game is saved and opened again in another window at the same position.
TEST(Form1Record, AGameIsListedReplayedTakenBackSavedAndOpenedAgain) {
    ShownForm f;
    ModalAnswerer answers;
    f.Trigger("sutato");
    f.DragCell(75, 66);  // Sente's Rat up the 6-file
    f.DragCell(27, 36);  // Gote's Dog on the 9-file
    f.DragCell(66, 57);
    f.Trigger("kifuhyouji");
    const Form1& form = f.form;
    ASSERT_TRUE(form.recordWindow()->isVisible());
    QStringList lines = Lines(form);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith("   1 ▲６八鼠(69)")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("   2 △９五犬(94)")) << lines[2].toStdString();
    EXPECT_EQ(form.board()->LastMove(), std::make_pair(66, 57));
    Snapshot(f.form, "record-live");
    Snapshot(*form.recordWindow(), "record-window");

    const Game& game = f.form.game();
    const BoardCells live = game.Squares();
    Click(form, "previous");
    EXPECT_EQ(form.replayPly(), 2);
    EXPECT_TRUE(form.board()->Replaying());
    EXPECT_EQ(form.board()->LastMove(), std::make_pair(27, 36));
    Snapshot(f.form, "record-replay");
    const auto* tag = form.findChild<QLabel*>("replayTag");
    ASSERT_TRUE(tag && tag->isVisible());
    const QRect board(form.board()->mapTo(&form, QPoint()), form.board()->size());
    EXPECT_FALSE(QRect(tag->mapTo(&form, QPoint()), tag->size()).intersects(board))
        << "the tag stands clear of every cell";
    Click(form, "first");
    EXPECT_EQ(form.replayPly(), 0);
    EXPECT_EQ(form.board()->LastMove(), std::make_pair(-1, -1));
    EXPECT_EQ(game.Squares(), live);
    QTest::mouseClick(f.window(), Qt::LeftButton, {}, f.CellCentre(57));  // back to the game
    EXPECT_FALSE(form.board()->Replaying());
    EXPECT_FALSE(tag->isVisible());
    EXPECT_EQ(game.Squares(), live);
    EXPECT_EQ(game.BoardOpen(), true);

    f.Trigger("matta");
    EXPECT_EQ(game.Squares()[66].Kind, Rat);
    EXPECT_EQ(game.Squares()[57].Tag, game.EmptyTag);
    EXPECT_EQ(game.ToMove(), Side::Sente);
    EXPECT_EQ(Lines(form).size(), 3);
    f.DragCell(66, 65);

    QTemporaryDir dir;
    FileDialogAnswerer files;
    files.path = dir.filePath("game");
    f.Trigger("kifuhozon");
    const QByteArray saved = ReadAll(files.path + ".kifu");
    EXPECT_TRUE(saved.contains("最終局面："));
    EXPECT_TRUE(saved.contains("   3 ▲７八鼠(68)"));

    files.path += ".kifu";
    const BoardCells before = game.Squares();
    answers.answers = {false};
    f.Trigger("kifuhiraku");  // over the game in progress: the player keeps playing
    ASSERT_EQ(answers.texts.size(), 2u);
    EXPECT_EQ(answers.texts[1], "対局中のゲームをやめて、棋譜を開きますか?");
    EXPECT_EQ(game.Squares(), before);
    EXPECT_EQ(game.History().entries().size(), 3u);
    EXPECT_EQ(files.seen.back().folder, dir.path()) << "the folder of the last record";

    ShownForm other;
    other.Trigger("kifuhiraku");
    EXPECT_EQ(other.form.game().Squares(), game.Squares());
    EXPECT_EQ(other.form.game().ToMove(), Side::Gote);
    ASSERT_TRUE(other.form.recordWindow());
    EXPECT_EQ(Lines(other.form), Lines(form));
    EXPECT_EQ(answers.texts.size(), 2u) << "no box but the start's and the question";
}

// Files that are not good records are refused with their line, and the game on the board
// stays as it was.
TEST(Form1Record, ABadFileIsRefusedWithItsLineAndChangesNothing) {
    ShownForm f;
    ModalAnswerer answers;
    f.Trigger("sutato");
    f.DragCell(75, 66);
    const BoardCells board = f.form.game().Squares();
    const std::uint64_t version = f.form.game().History().version();

    QTemporaryDir dir;
    FileDialogAnswerer files;
    files.path = dir.filePath("bad.kifu");
    Write(files.path, "先手：A\n後手：B\n   1 ▲６八鼠(69)\n   2 △５五象(51)\n");
    f.Trigger("kifuhiraku");
    ASSERT_EQ(answers.texts.size(), 2u);
    EXPECT_NE(answers.texts[1].find("4行目"), std::string::npos) << answers.texts[1];

    Write(files.path, QByteArray(3000, '\xff'));
    f.Trigger("kifuhiraku");
    ASSERT_EQ(answers.texts.size(), 3u);
    EXPECT_EQ(f.form.game().Squares(), board);
    EXPECT_EQ(f.form.game().History().version(), version);
    EXPECT_TRUE(f.form.game().BoardOpen());
}
