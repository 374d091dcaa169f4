#pragma once

#include <QWidget>
#include <map>
#include <vector>

#include "record/PositionAnalysis.h"
#include "record/RecordedMove.h"
#include "rules/BoardPosition.h"
#include "rules/StartBoard.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace torvane {

class EvaluationGraph;
class MoveHistory;
class RecordAnalyser;
class StudySession;

// "棋譜": the moves of the game on the board, one numbered line each after the start, the end
// of the game as a last line, and 最初 / 前 / 次 / 最後 to step through the positions. A line
// chosen stands for the position after its move; the window only asks for a position to be
// shown, it never changes the game.
//
// It is where the engine teaches too. 解析 has every position of the record judged in the
// background: a graph of the course, each bad move marked in its line, the chosen move's
// scores with the engine's best move and line (which can be stepped through on the board), and
// a summary per side. 検討 has the engine think about the position shown until it is deep
// enough, with its best lines.
class RecordWindow : public QWidget {
    Q_OBJECT
public:
    explicit RecordWindow(QWidget* parent);
    ~RecordWindow() override;

    // Lists `history` and selects its last position. The lines of moves that are still the
    // same stay, so a move made or taken back costs one line, however long the game; so does
    // the analysis of the positions they lead to.
    void ShowHistory(const MoveHistory& history);
    // The position after `ply` moves is shown (0: the start position).
    void SelectPly(int ply);
    int SelectedPly() const;
    int Plies() const { return plies_; }

    // --- 解析 (RecordWindowAnalysis.cpp) ---
    // Analyses the positions of the record not analysed yet; says so when all are.
    void Analyse();
    void CancelAnalysis();
    // The analysis of the record's positions, by the number of moves before each.
    const std::map<int, PositionAnalysis>& Analysis() const { return analysis_; }
    void SetAnalysis(std::map<int, PositionAnalysis> analysis);
    // While the engine is not allowed (a game against the computer or over the network runs),
    // the analysis and the study stop, saying `why`, and cannot be started.
    void AllowEngine(bool allowed, const QString& why);
    bool EngineAllowed() const { return engineAllowed_; }

    // --- after a game against the computer (RecordWindowNextGame.cpp) ---
    // Shows `outcome` with 解析, もう一局 and 閉じる, until one is chosen or another game is
    // listed.
    void OfferNextGame(const QString& outcome);
    bool OffersNextGame() const;

    // --- 検討 (RecordWindowStudy.cpp) ---
    // The board shows the position after `ply` moves of the record and then `variation`; the
    // study follows it.
    void ShowingPosition(int ply, const std::vector<RecordedMove>& variation);
    void SetStudying(bool on);
    bool Studying() const;

    QListWidget* list() const { return list_; }
    EvaluationGraph* graph() const { return graph_; }
    RecordAnalyser& analyser() const { return *analyser_; }
    StudySession& study() const { return *study_; }

signals:
    // The player chose the position after `ply` moves.
    void plyChosen(int ply);
    // The player steps through the engine's line: the position after `ply` moves of the record
    // and then `moves`.
    void variationChosen(int ply, const std::vector<RecordedMove>& moves);
    // The player asked for another game against the computer, with the sides swapped.
    void anotherGameAsked();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void BuildAnalysisControls();
    void BuildStudyControls();
    void BuildNextGameControls();
    void Choose(int ply);
    void EnableSteps(int ply);
    void TrimAnalysis(std::size_t keptMoves);

    void OnAnalysed(int ply, const PositionAnalysis& analysis);
    void OnAnalysisEnded(const QString& status);
    // Ends a running analysis, saying `why`.
    void StopAnalysis(const QString& why);
    void RenderAnalysis();
    void RenderMarks(int firstMove, int lastMove);
    void RenderDetails();
    void RenderSummary();
    void StepLine(int step);
    // The engine's line the details show: from the position before the chosen move.
    int LineBase() const;
    const std::vector<RecordedMove>* LineShown() const;

    void RenderStudy();
    void GrowToFit();
    // A score as the window writes it, "+120", "-35", or a won game, "先手勝ち（5手）"; a line
    // of moves in the record's notation.
    static QString ScoreText(int score);
    QLabel* TextLabel(const QString& name);
    static QString LineText(const std::vector<RecordedMove>& line);

    QListWidget* list_;
    QPushButton *first_, *previous_, *next_, *last_;
    int plies_ = 0;
    BoardPosition start_{StartBoard()};  // the position the record starts from
    std::vector<RecordedMove> listed_;   // the moves the lines after the first show
    bool drops_ = false;                 // the record's moves may drop pieces from a hand

    EvaluationGraph* graph_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* details_ = nullptr;
    QPushButton *lineBack_ = nullptr, *lineNext_ = nullptr;
    QLabel* summary_ = nullptr;
    RecordAnalyser* analyser_ = nullptr;
    std::map<int, PositionAnalysis> analysis_;
    int lineStep_ = 0;    // how far the engine's line is played on the board
    int analysing_ = -1;  // the moves the running analysis was started on, -1 when none runs
    bool engineAllowed_ = true;

    QWidget* nextGame_ = nullptr;
    QLabel* nextGameText_ = nullptr;
    QPushButton* analyseAfterGame_ = nullptr;

    QPushButton* studyButton_ = nullptr;
    QLabel* studyText_ = nullptr;
    StudySession* study_ = nullptr;
    int shownPly_ = 0;
    std::vector<RecordedMove> shownVariation_;
};

}  // namespace torvane
