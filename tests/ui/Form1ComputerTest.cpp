#include <gtest/gtest.h>
#include <signal.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <random>

#include "ComputerGameAnswer.h"
#include "ModalDialog.h"
#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/analysis/RecordAnalyser.h"
#include "app/dialogs/ComputerGameDialog.h"
#include "app/dialogs/RecordWindow.h"
#include "app/engine/EngineProcess.h"
#include "app/window/HintMarks.h"
#include "engine/MoveGen.h"
#include "engine/Sfen.h"
#include "game/EnginePosition.h"
#include "images/SetupTemplate.h"
#include "rules/MovementRules.h"

using namespace torvane;
namespace eng = torvane::engine;

namespace {

constexpr int kMoveWaitMs = 15000;  // a move of the engine takes at most a few seconds

class Form1Computer : public ::testing::Test {
protected:
    void SetUp() override { qputenv("TORVANE_ENGINE", TORVANE_ENGINE_BINARY); }
    void TearDown() override { qunsetenv("TORVANE_ENGINE"); }
};

void StartComputerGame(ShownForm& f, bool gote, int level, bool fromHere = false) {
    AnswerComputerGameDialog(gote, level, fromHere);
    f.Trigger("konpyuta");
}

eng::Position EnginePositionOf(const Game& game) {
    eng::Position pos;
    std::string error;
    EXPECT_TRUE(eng::ParseSfen(EnginePosition(game), pos, error)) << error;
    return pos;
}

// Whether one legal move leads from `before` to `after` (move numbers aside).
bool OneLegalMoveApart(const eng::Position& before, eng::Position after) {
    eng::MoveList list;
    eng::GenerateMoves(before, true, list);
    for (eng::Move m : list) {
        eng::Position next = before;
        eng::Undo undo;
        next.Make(m, undo);
        after.SetMoveNumber(next.MoveNumber());
        if (eng::FormatSfen(next) == eng::FormatSfen(after)) return true;
    }
    return false;
}

}  // namespace

// A whole game from the start against the weakest computer: the player drags random legal
// steps with the mouse; every answer of the computer is one legal move, made while the
// window reports its turn, until one side has lost and the loser is named.
TEST_F(Form1Computer, AWholeGameFromTheStartEndsWithTheLoserNamed) {
    ShownForm f;
    ModalAnswerer answers;
    StartComputerGame(f, false, 1);
    const Game& game = f.form.game();
    ASSERT_TRUE(game.AgainstComputer());
    EXPECT_FALSE(f.form.action("suruu")->isEnabled());  // no connecting during the game
    std::mt19937 random(7);
    int computerMoves = 0;
    for (int ply = 0; ply < 400 && game.AgainstComputer(); ++ply) {
        if (game.ToMove() == Side::Sente) {
            eng::MoveList list;
            eng::GenerateMoves(EnginePositionOf(game), false, list);
            ASSERT_GT(list.size, 0);
            auto move = ParseEngineMove(eng::MoveName(list.begin()[random() % list.size]), false);
            f.DragCell(move->from, move->to);
            if (game.AgainstComputer()) {
                ASSERT_EQ(game.ToMove(), Side::Gote) << "refused: " << ply;
            }
            continue;
        }
        EXPECT_EQ(f.form.findChild<QLabel*>("Label8")->text(), "コンピュータの番です");
        EXPECT_FALSE(game.BoardOpen());
        const eng::Position before = EnginePositionOf(game);
        QSignalSpy moved(&f.form, &Form1::computerMoved);
        ASSERT_TRUE(moved.wait(kMoveWaitMs)) << "the computer did not answer at ply " << ply;
        ASSERT_TRUE(OneLegalMoveApart(before, EnginePositionOf(game))) << "ply " << ply;
        ++computerMoves;
    }
    ASSERT_FALSE(game.AgainstComputer()) << "no end within 400 plies";
    EXPECT_GT(computerMoves, 0);
    const std::string& last = answers.texts.back();
    const bool senteComplete = HasElephantAndRat(game.Squares(), game.SenteTag);
    const Side loser = senteComplete ? Side::Gote : Side::Sente;
    EXPECT_EQ(last, loser == game.LocalSide() ? "あなたの負けです" : "あなたの勝ちです");
    EXPECT_FALSE(game.BoardOpen());
    EXPECT_TRUE(f.form.action("suruu")->isEnabled());

    // The record's window says how it ended and offers the next step; もう一局 starts the same
    // game with the sides swapped.
    RecordWindow* record = f.form.recordWindow();
    ASSERT_NE(record, nullptr);
    ASSERT_TRUE(record->isVisible() && record->OffersNextGame());
    Snapshot(*record, "record-after-a-computer-game");
    const QString outcome = record->findChild<QLabel*>("nextGameText")->text();
    EXPECT_TRUE(outcome.startsWith(QString::fromStdString(last) +
                                   QString("\nまで%1手で").arg(game.History().entries().size())))
        << outcome.toStdString();
    QTest::mouseClick(record->findChild<QPushButton*>("mouikkyoku"), Qt::LeftButton);
    EXPECT_TRUE(game.AgainstComputer());
    EXPECT_EQ(game.LocalSide(), Side::Gote);
    EXPECT_TRUE(game.History().entries().empty());
    EXPECT_FALSE(record->OffersNextGame());
}

// A game begun at one computer goes on against the computer from where it stands, the player
// as Gote at the bottom; taking back then undoes the player's move and the computer's answer.
TEST_F(Form1Computer, AGameIsPlayedOnFromTheBoardAndTakenBack) {
    ShownForm f;
    ModalAnswerer answers;
    f.Trigger("sutato");
    f.DragCell(75, 66);
    f.DragCell(27, 36);
    const Game& game = f.form.game();
    const std::string position = EnginePosition(game);
    QSignalSpy moved(&f.form, &Form1::computerMoved);
    StartComputerGame(f, true, 1, true);
    ASSERT_TRUE(game.AgainstComputer());
    EXPECT_EQ(EnginePosition(game), position);
    EXPECT_EQ(game.Squares()[80 - 36].Tag, game.GoteTag) << "the board is turned for Gote";
    ASSERT_TRUE(moved.wait(kMoveWaitMs)) << "the computer (Sente) did not move";
    ASSERT_EQ(game.History().entries().size(), 3u);
    const std::string beforePlayer = EnginePosition(game);

    eng::MoveList list;
    eng::GenerateMoves(EnginePositionOf(game), false, list);
    ASSERT_GT(list.size, 0);
    auto move = ParseEngineMove(eng::MoveName(list.begin()[0]), true);
    f.DragCell(move->from, move->to);
    ASSERT_EQ(game.History().entries().size(), 4u);
    ASSERT_TRUE(moved.wait(kMoveWaitMs)) << "the computer did not answer";
    ASSERT_TRUE(f.form.action("matta")->isEnabled());
    f.Trigger("matta");
    EXPECT_EQ(EnginePosition(game), beforePlayer);
    EXPECT_EQ(game.History().entries().size(), 3u);
    EXPECT_TRUE(game.BoardOpen());
    EXPECT_TRUE(game.AgainstComputer());
}

// As Gote the player sees his pieces at the bottom, and the computer (Sente) opens at once.
// "スタート(&S)" in the middle of its thought abandons the game; the move it then sends is
// never applied.
TEST_F(Form1Computer, ANewGameWhileTheComputerThinksDropsItsMove) {
    ShownForm f;
    ModalAnswerer answers;
    StartComputerGame(f, true, 5);
    const Game& game = f.form.game();
    ASSERT_TRUE(game.AgainstComputer());
    EXPECT_EQ(game.Squares()[76].Tag, game.GoteTag);  // the player's Elephant at the bottom
    EXPECT_EQ(game.View().Label2, "後手");
    EXPECT_EQ(f.form.findChild<QLabel*>("Label8")->text(), "コンピュータの番です");
    ASSERT_NE(f.form.engine(), nullptr);
    QSignalSpy answered(f.form.engine(), &EngineProcess::bestMove);
    QSignalSpy moved(&f.form, &Form1::computerMoved);

    f.Trigger("sutato");
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered.count() > 0; }, kMoveWaitMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(moved.count(), 0);
    EXPECT_FALSE(game.AgainstComputer());
    EXPECT_EQ(game.Squares(), SetupTemplate());
    EXPECT_EQ(game.ToMove(), Side::Sente);
    EXPECT_TRUE(game.BoardOpen());
}

// A missing engine: a clear message, and no game starts. An engine killed while it thinks:
// a clear message, the board stays as it was; the next game starts the engine again.
TEST_F(Form1Computer, AMissingOrKilledEngineLeavesTheGameAsItWas) {
    ShownForm f;
    ModalAnswerer answers;
    const Game& game = f.form.game();
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("TORVANE_ENGINE", "/nonexistent/torvane-engine");
        qputenv("PATH", "/nonexistent");
        StartComputerGame(f, false, 1);
        qputenv("PATH", path);
        qputenv("TORVANE_ENGINE", TORVANE_ENGINE_BINARY);
    }
    ASSERT_FALSE(answers.texts.empty());
    EXPECT_EQ(answers.texts.back(), "コンピュータを起動できません");
    EXPECT_FALSE(game.AgainstComputer());
    EXPECT_FALSE(game.BoardOpen());

    StartComputerGame(f, true, 5);
    ASSERT_TRUE(game.AgainstComputer());
    const BoardCells board = game.Squares();
    QSignalSpy failed(f.form.engine(), &EngineProcess::failed);
    ASSERT_EQ(::kill(static_cast<pid_t>(f.form.engine()->processId()), SIGKILL), 0);
    ASSERT_TRUE(failed.wait(kMoveWaitMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(answers.texts.back(), "コンピュータが応答しません");
    EXPECT_EQ(game.Squares(), board);
    EXPECT_TRUE(game.AgainstComputer());

    QSignalSpy moved(&f.form, &Form1::computerMoved);
    StartComputerGame(f, true, 1);
    ASSERT_TRUE(moved.wait(kMoveWaitMs));
    EXPECT_EQ(game.ToMove(), Side::Gote);
    EXPECT_TRUE(game.BoardOpen());
}

// An engine that answers with garbage: the lines are ignored, a move that is no move is not
// made, and the game goes on as it was, waiting for the computer.
TEST_F(Form1Computer, GarbageFromTheEngineIsIgnored) {
    QTemporaryDir dir;
    const QString script = dir.filePath("garbage-engine");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "#!/bin/sh\n"
        "while read line; do case \"$line\" in\n"
        "usi) echo usiok;; isready) echo readyok;;\n"
        "go*) printf 'garbage\\n\\n\\377\\376 bestmove\\nbestmove\\nbestmove 9z9z\\n';;\n"
        "quit) exit 0;; esac; done\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    qputenv("TORVANE_ENGINE", script.toUtf8());

    ShownForm f;
    ModalAnswerer answers;
    StartComputerGame(f, true, 1);
    const Game& game = f.form.game();
    ASSERT_TRUE(game.AgainstComputer());
    const BoardCells board = game.Squares();
    QSignalSpy answered(f.form.engine(), &EngineProcess::bestMove);
    ASSERT_TRUE(answered.wait(kMoveWaitMs));
    EXPECT_EQ(answered.count(), 1);
    EXPECT_EQ(answered.first().at(1).toString(), "9z9z");
    EXPECT_EQ(game.Squares(), board);
    EXPECT_TRUE(game.AgainstComputer());
    EXPECT_EQ(game.View().Label8, "コンピュータの番です");
    EXPECT_EQ(answers.texts, std::vector<std::string>{"先手の番です"});
}

// At one computer the hint marks a step of the side to move, which the player's next press
// takes away, and so does another position shown from the record. Asked for during a replay,
// it is for the game's position, which the board shows again.
TEST_F(Form1Computer, TheHintMarksALegalMoveUntilTheNextPress) {
    ShownForm f;
    ModalAnswerer answers;
    EXPECT_FALSE(f.form.action("hinto")->isEnabled());  // no game yet
    f.Trigger("sutato");
    ASSERT_TRUE(f.form.action("hinto")->isEnabled());
    f.Trigger("hinto");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return f.form.hintMarks() && f.form.hintMarks()->isVisible(); }, kMoveWaitMs));
    const Game& game = f.form.game();
    const int from = f.form.hintMarks()->from(), to = f.form.hintMarks()->to();
    ASSERT_GE(from, 0);
    EXPECT_EQ(game.Squares()[from].Tag, game.SenteTag);
    EXPECT_TRUE(IsStepNeighbour(from, to));
    EXPECT_NE(game.Squares()[to].Tag, game.SenteTag);

    f.DragCell(from, to);
    EXPECT_FALSE(f.form.hintMarks()->isVisible());
    EXPECT_EQ(game.ToMove(), Side::Gote);  // the suggested move is one the game accepts

    auto hinted = [&] {
        f.Trigger("hinto");
        return QTest::qWaitFor([&] { return f.form.hintMarks()->isVisible(); }, kMoveWaitMs);
    };
    ASSERT_TRUE(hinted());
    f.Trigger("kifuhyouji");
    QTest::mouseClick(f.form.recordWindow()->findChild<QPushButton*>("previous"), Qt::LeftButton);
    ASSERT_TRUE(f.form.board()->Replaying());
    EXPECT_FALSE(f.form.hintMarks()->isVisible());
    ASSERT_TRUE(hinted());
    EXPECT_FALSE(f.form.board()->Replaying());
    EXPECT_EQ(game.Squares()[f.form.hintMarks()->from()].Tag, game.GoteTag);
}

// The player may resign while the computer thinks: the game ends at once and the move that then
// comes is dropped. Connecting waits for the end of a computer game, and a listening window
// offers no computer game.
TEST_F(Form1Computer, ResigningWhileTheComputerThinksAndNetworkPlayExcludeIt) {
    ShownForm f;
    ModalAnswerer answers;
    StartComputerGame(f, true, 5);
    const Game& game = f.form.game();
    EXPECT_FALSE(f.form.action("suruu")->isEnabled());
    EXPECT_FALSE(f.form.action("matu")->isEnabled());
    const BoardCells board = game.Squares();
    QSignalSpy answered(f.form.engine(), &EngineProcess::bestMove);
    QSignalSpy moved(&f.form, &Form1::computerMoved);
    f.Trigger("touryou");
    EXPECT_EQ(answers.texts.back(), "あなたの負けです");
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered.count() > 0; }, kMoveWaitMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(game.Squares(), board);
    EXPECT_FALSE(game.AgainstComputer());
    EXPECT_TRUE(f.form.action("suruu")->isEnabled());
    // 解析 after the game analyses it (a network game below stops that again).
    RecordWindow* record = f.form.recordWindow();
    ASSERT_TRUE(record && record->OffersNextGame());
    QTest::mouseClick(record->findChild<QPushButton*>("kaisekiAfterGame"), Qt::LeftButton);
    EXPECT_TRUE(record->analyser().Running());
    EXPECT_FALSE(record->OffersNextGame());

    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const std::string port = std::to_string(probe.serverPort());
    probe.close();
    ASSERT_TRUE(f.form.session().ListenDialogOk("A", port));
    f.form.Render();
    EXPECT_FALSE(f.form.action("konpyuta")->isEnabled());
}
