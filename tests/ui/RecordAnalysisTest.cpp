// The engine as a teacher, through the real window and the real engine program: a short game
// analysed from the menu, its marks, graph and summary against the engine's scores, the best
// line played on the board, the analysis saved and opened again; the study following the
// position shown and giving way to a game against the computer.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>

#include "FileDialogAnswerer.h"
#include "ModalDialog.h"
#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/analysis/RecordAnalyser.h"
#include "app/analysis/StudySession.h"
#include "app/dialogs/ComputerGameDialog.h"
#include "app/dialogs/EvaluationGraph.h"
#include "app/dialogs/RecordWindow.h"
#include "record/Notation.h"
#include "record/RecordFile.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

constexpr int kAnalysisWaitMs = 60000;

class RecordAnalysis : public ::testing::Test {
protected:
    void SetUp() override { qputenv("TORVANE_ENGINE", TORVANE_ENGINE_BINARY); }
    void TearDown() override { qunsetenv("TORVANE_ENGINE"); }
};

// Sente's Tiger walks up the 8-file and stops beside Gote's Tiger, which takes it: the fifth
// move gives a Tiger away for nothing.
constexpr int kGame[][2] = {{55, 46}, {8, 17}, {46, 37}, {17, 8}, {37, 28}, {19, 28}};
constexpr int kBlunder = 5;

void PlayTheGame(ShownForm& f) {
    f.Trigger("sutato");
    for (const auto& move : kGame) f.DragCell(move[0], move[1]);
    ASSERT_EQ(f.form.game().History().entries().size(), std::size(kGame));
}

std::string Text(const QWidget& window, const char* label) {
    return window.findChild<QLabel*>(label)->text().toStdString();
}

void Click(const QWidget& window, const char* button) {
    auto* widget = window.findChild<QPushButton*>(button);
    ASSERT_TRUE(widget && widget->isVisible() && widget->isEnabled()) << button;
    QTest::mouseClick(widget, Qt::LeftButton);
}

std::vector<RecordedMove> Moves(const Game& game) {
    std::vector<RecordedMove> moves;
    for (const auto& entry : game.History().entries()) moves.push_back(entry.move);
    return moves;
}

// The mover's fall in score over a move, clamped as the marks judge it: 0 for the engine's
// own best move.
int LossOf(const std::map<int, PositionAnalysis>& analysis, const RecordedMove& move, int number) {
    const PositionAnalysis& before = analysis.at(number - 1);
    const PositionAnalysis& after = analysis.at(number);
    if (!before.line.empty() && before.line[0].from == move.from && before.line[0].to == move.to)
        return 0;
    const int sign = move.mover == Side::Sente ? 1 : -1;
    auto clamp = [](int s) { return std::clamp(s, -kJudgedScoreLimit, kJudgedScoreLimit); };
    return std::max(0, sign * (clamp(before.score) - clamp(after.score)));
}

// An engine program of a few lines in `dir`, which the window starts from now on: it answers
// the handshake, `quit`, and whatever `cases` (shell `case` branches) answer.
void ScriptedEngine(const QTemporaryDir& dir, const char* cases) {
    const QString script = dir.filePath("scripted-engine");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("#!/bin/sh\n"
                          "while read line; do case \"$line\" in\n"
                          "usi) echo usiok;; isready) echo readyok;;\n") +
               cases + "quit) exit 0;; esac; done\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    qputenv("TORVANE_ENGINE", script.toUtf8());
}

}  // namespace

TEST_F(RecordAnalysis, AGameIsAnalysedMarkedSavedAndOpenedWithItsAnalysis) {
    ShownForm f;
    ModalAnswerer answers;
    PlayTheGame(f);
    f.Trigger("kifuhyouji");
    RecordWindow& window = *f.form.recordWindow();
    window.analyser().SetLimits({4, 3000});
    QSignalSpy finished(&window.analyser(), &RecordAnalyser::finished);
    QSignalSpy analysed(&window.analyser(), &RecordAnalyser::analysed);
    f.Trigger("kaiseki");
    ASSERT_TRUE(window.findChild<QProgressBar*>("progress")->isVisible());
    QApplication::processEvents();
    Snapshot(window, "analysis-progress");
    ASSERT_TRUE(finished.wait(kAnalysisWaitMs)) << Text(window, "status");
    EXPECT_EQ(analysed.size(), 7);
    EXPECT_FALSE(window.findChild<QProgressBar*>("progress")->isVisible());
    EXPECT_EQ(Text(window, "status"), "解析が終わりました");

    // Every move is marked by its loss against the engine's scores, the Tiger given away as a
    // 悪手, and the summary counts the marks.
    const auto& analysis = window.Analysis();
    ASSERT_EQ(analysis.size(), 7u);
    const std::vector<RecordedMove> moves = Moves(f.form.game());
    int blunders[2] = {0, 0}, dubious[2] = {0, 0};
    for (int number = 1; number <= 6; ++number) {
        const RecordedMove& move = moves[static_cast<std::size_t>(number - 1)];
        const int loss = LossOf(analysis, move, number);
        const QString line = window.list()->item(number)->text();
        const int side = move.mover == Side::Sente ? 0 : 1;
        EXPECT_EQ(line.endsWith("悪手"), loss >= kBlunderLoss) << line.toStdString() << loss;
        EXPECT_EQ(line.endsWith("疑問手"), loss >= kDubiousLoss && loss < kBlunderLoss)
            << line.toStdString() << loss;
        blunders[side] += line.endsWith("悪手");
        dubious[side] += line.endsWith("疑問手");
    }
    EXPECT_TRUE(window.list()->item(kBlunder)->text().endsWith("悪手"));
    EXPECT_GT(analysis.at(kBlunder - 1).score - analysis.at(kBlunder).score, kBlunderLoss);
    const std::string summary = Text(window, "summary");
    for (int side = 0; side < 2; ++side) {
        const std::string counts = std::string(side == 0 ? "先手" : "後手") + "  悪手 " +
                                   std::to_string(blunders[side]) + "  疑問手 " +
                                   std::to_string(dubious[side]);
        EXPECT_NE(summary.find(counts), std::string::npos) << summary;
    }

    // The graph rises with Sente's score; a click on it shows that position, as a line does.
    EvaluationGraph& graph = *window.graph();
    ASSERT_TRUE(graph.isVisible());
    for (int a = 0; a <= 6; ++a) {
        for (int b = 0; b <= 6; ++b) {
            if (analysis.at(a).score > analysis.at(b).score + 5) {
                EXPECT_LT(graph.PointOf(a).y(), graph.PointOf(b).y()) << a << " " << b;
            }
        }
    }
    QTest::mouseClick(&graph, Qt::LeftButton, {}, graph.PointOf(3).toPoint());
    EXPECT_EQ(window.SelectedPly(), 3);
    EXPECT_EQ(f.form.replayPly(), 3);
    EXPECT_EQ(graph.Current(), 3);

    // The blunder's details name the engine's better move; its line plays on the board without
    // changing the game.
    window.SelectPly(kBlunder);
    const std::string details = Text(window, "details");
    const RecordedMove best = analysis.at(kBlunder - 1).line.at(0);
    EXPECT_NE(details.find("悪手"), std::string::npos) << details;
    EXPECT_NE(details.find("最善手 " + MoveText(best)), std::string::npos) << details;
    EXPECT_NE(best, moves[kBlunder - 1]);
    const BoardCells live = f.form.game().Squares();
    QApplication::processEvents();  // the labels' new heights laid out
    Snapshot(window, "analysis-window");
    Click(window, "lineNext");
    EXPECT_TRUE(f.form.board()->Replaying());
    EXPECT_EQ(f.form.replayPly(), kBlunder - 1);
    EXPECT_EQ(f.form.board()->LastMove(), std::make_pair(best.from, best.to));
    Snapshot(f.form, "analysis-line-on-board");
    Click(window, "lineBack");
    EXPECT_EQ(f.form.replayPly(), kBlunder);
    EXPECT_EQ(f.form.game().Squares(), live);
    window.SelectPly(6);  // the game's own position, whose list row stays chosen
    Click(window, "lineNext");
    QTest::mouseClick(f.window(), Qt::LeftButton, {}, f.CellCentre(40));  // back to the game
    EXPECT_FALSE(f.form.board()->Replaying());
    EXPECT_FALSE(window.findChild<QPushButton*>("lineBack")->isEnabled());
    EXPECT_EQ(f.form.game().Squares(), live);

    // Saved with the analysis under the moves, and opened again in another window with the same
    // analysis and marks, without analysing anew.
    QTemporaryDir dir;
    FileDialogAnswerer files;
    files.path = dir.filePath("analysed.kifu");
    f.Trigger("kifuhozon");
    QFile saved(files.path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()).count("\n**解析 評価値 "), 7);
    ShownForm other;
    other.Trigger("kifuhiraku");
    RecordWindow& reopened = *other.form.recordWindow();
    EXPECT_EQ(reopened.Analysis(), analysis);
    EXPECT_FALSE(reopened.analyser().Running());
    for (int row = 0; row < window.list()->count(); ++row)
        EXPECT_EQ(reopened.list()->item(row)->text(), window.list()->item(row)->text());
    EXPECT_EQ(Text(reopened, "summary"), summary);
    other.Trigger("kaiseki");
    EXPECT_EQ(Text(reopened, "status"), "すべての局面を解析済みです");
    EXPECT_EQ(answers.texts.size(), 1u) << "only the start's box";
}

namespace {

// Whether every line of the study's report can be played from the position after `moves`.
bool LinesPlayFrom(const StudyReport& report, const std::vector<RecordedMove>& moves) {
    RecordPosition position;
    for (RecordedMove move : moves) position.Play(move, false);
    for (const PositionAnalysis& line : report.lines) {
        RecordPosition replay = position;
        for (RecordedMove move : line.line)
            if (replay.Play(move, false)) return false;
    }
    return !report.lines.empty();
}

// Waits until the study has reported lines for the position after `moves`.
bool StudiesPosition(StudySession& study, const std::vector<RecordedMove>& moves) {
    return QTest::qWaitFor([&] { return LinesPlayFrom(study.Report(), moves); }, kAnalysisWaitMs);
}

void StartComputerGame(ShownForm& f) {
    WhenModal<ComputerGameDialog>([](ComputerGameDialog& dialog) {
        dialog.findChild<QComboBox*>("level")->setCurrentIndex(0);
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    f.Trigger("konpyuta");
}

}  // namespace

// The study thinks about the position shown, follows a replayed one and a step of its own
// line, stops by itself once deep enough and says so, and stops for a game against the
// computer, which may start while an analysis runs.
TEST_F(RecordAnalysis, TheStudyFollowsTheBoardAndGivesWayToAComputerGame) {
    ShownForm f;
    ModalAnswerer answers;
    PlayTheGame(f);
    f.Trigger("kifuhyouji");
    RecordWindow& window = *f.form.recordWindow();
    StudySession& study = window.study();
    study.SetLimits({5, 60000});
    const std::vector<RecordedMove> moves = Moves(f.form.game());
    Click(window, "study");
    ASSERT_TRUE(study.Thinking());
    ASSERT_TRUE(StudiesPosition(study, moves));

    Click(window, "previous");
    Click(window, "previous");
    const std::vector<RecordedMove> replayed(moves.begin(), moves.begin() + 4);
    ASSERT_TRUE(StudiesPosition(study, replayed)) << Text(window, "studyText");
    ASSERT_TRUE(QTest::qWaitFor([&] { return study.Report().settled; }, kAnalysisWaitMs));
    EXPECT_FALSE(study.Thinking());
    const int depth = study.Report().depth;  // the depth asked for, or more done meanwhile
    EXPECT_GE(depth, 5);
    const std::string text = Text(window, "studyText");
    EXPECT_EQ(text.rfind("深さ " + std::to_string(depth) + "  評価値 ", 0), 0u) << text;
    EXPECT_NE(text.find("深さ" + std::to_string(depth) + "まで読んだので止めました"),
              std::string::npos)
        << text;
    QApplication::processEvents();
    Snapshot(window, "study-window");

    // A click on the board returns to the game; the study follows.
    QTest::mouseClick(f.window(), Qt::LeftButton, {}, f.CellCentre(40));
    EXPECT_FALSE(f.form.board()->Replaying());
    ASSERT_TRUE(StudiesPosition(study, moves));

    // An analysis runs beside the study; a game against the computer stops both, saying why,
    // and neither can start again while it runs.
    window.analyser().SetLimits({30, 10000});
    f.Trigger("kaiseki");
    ASSERT_TRUE(window.analyser().Running());
    StartComputerGame(f);
    ASSERT_TRUE(f.form.game().AgainstComputer());
    EXPECT_FALSE(window.analyser().Running());
    EXPECT_FALSE(study.Thinking());
    EXPECT_FALSE(window.Studying());
    EXPECT_FALSE(window.findChild<QPushButton*>("study")->isEnabled());
    EXPECT_FALSE(f.form.action("kaiseki")->isEnabled());
    EXPECT_EQ(Text(window, "status"), "コンピュータとの対局が始まったので、解析を中止しました");

    // Once that game is over (resigned), the engine may teach again; closing the window stops
    // the study.
    answers.answers = {true};
    f.Trigger("touryou");
    EXPECT_TRUE(f.form.action("kaiseki")->isEnabled());
    Click(window, "study");
    EXPECT_TRUE(study.Thinking());
    window.close();
    EXPECT_FALSE(study.Thinking());
}

// An engine whose reports are damaged: numbers that are no numbers or out of range, a mate in
// none, a rank beyond those asked for, a missing score, moves that are not moves, bytes that
// are no text. Only its one sound report counts, its line cut at the first move that is none;
// the window stays as it was otherwise, and the analysis is written and read back whole.
TEST_F(RecordAnalysis, DamagedReportsOfTheEngineAreIgnored) {
    QTemporaryDir dir;
    ScriptedEngine(
        dir,
        "go*) printf 'info depth 4 score cp 40 pv 9z9z 1a1b\\n"
        "info depth x score cp 12 pv 1a1b\\ninfo depth 5 score cp 99999999999 pv 1a1b\\n"
        "info depth 6 score mate 0 pv 1a1b\\ninfo multipv 99 depth 7 score cp 5 pv 1a1b\\n"
        "info depth 8 score cp\\ninfo depth 9 score cp 7 pv\\n"
        "info string depth 9 score cp 1\\n\\377\\376 info depth 9\\nbestmove 9z9z\\n';;\n");

    ShownForm f;
    ModalAnswerer answers;
    PlayTheGame(f);
    f.Trigger("kifuhyouji");
    RecordWindow& window = *f.form.recordWindow();
    QSignalSpy finished(&window.analyser(), &RecordAnalyser::finished);
    f.Trigger("kaiseki");
    ASSERT_TRUE(finished.wait(kAnalysisWaitMs)) << Text(window, "status");
    ASSERT_EQ(window.Analysis().size(), 7u);
    for (const auto& [ply, analysis] : window.Analysis())
        EXPECT_EQ(analysis, (PositionAnalysis{ply % 2 == 0 ? 40 : -40, 4, {}})) << ply;
    GameRecord record = f.form.game().History().ToRecord();
    record.analysis = window.Analysis();
    auto read = ReadRecord(WriteRecord(record), RecordEncoding::Utf8);
    ASSERT_EQ(read.index(), 0u);
    EXPECT_EQ(std::get<GameRecord>(read).analysis, window.Analysis());
    EXPECT_EQ(answers.texts.size(), 1u);
}

// With several lines asked for, the study shows those of the deepest depth by rank, a mate as
// a win, and stops once the depth it wanted is there.
TEST_F(RecordAnalysis, TheStudyShowsTheEnginesLinesByRank) {
    QTemporaryDir dir;
    ScriptedEngine(dir,
                   "go*) printf 'info depth 1 multipv 1 score cp 30 pv 9z9z\\n"
                   "info depth 1 multipv 2 score cp 10 pv 9z9z\\n"
                   "info depth 2 multipv 1 score mate 3 pv 9z9z\\n"
                   "info depth 2 multipv 2 score cp -20 pv 9z9z\\n"
                   "info depth 2 multipv 3 score cp -50 pv 9z9z\\n';;\n"
                   "stop) echo bestmove 9z9z;;\n");
    ShownForm f;
    ModalAnswerer answers;
    f.Trigger("sutato");
    f.Trigger("kifuhyouji");
    RecordWindow& window = *f.form.recordWindow();
    window.study().SetLimits({2, 60000});
    Click(window, "study");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.study().Report().settled; }, 10000));
    const StudyReport& report = window.study().Report();
    EXPECT_EQ(report.depth, 2);
    ASSERT_EQ(report.lines.size(), 3u);
    EXPECT_EQ(report.lines[0].score, kAnalysisMateScore - 3);
    EXPECT_EQ(report.lines[1].score, -20);
    EXPECT_EQ(report.lines[2].score, -50);
    EXPECT_EQ(Text(window, "studyText"),
              "深さ 2  評価値 先手勝ち（3手）\n1. 先手勝ち（3手）\n2. -20\n3. -50\n"
              "深さ2まで読んだので止めました（局面が変わると考え直します）");
}
