#include <QBrush>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include <cstdlib>

#include "app/analysis/MoveJudgement.h"
#include "app/analysis/RecordAnalyser.h"
#include "app/dialogs/EvaluationGraph.h"
#include "app/dialogs/RecordWindow.h"
#include "record/Notation.h"

namespace torvane {

namespace {

const QColor kBlunderInk(200, 20, 20), kDubiousInk(200, 110, 0);

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

// A label of lines of text, hidden until there is something to say.
QLabel* RecordWindow::TextLabel(const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    label->hide();
    return label;
}

// "+120", "-35", "0", or a mate: "先手勝ち（5手）".
QString RecordWindow::ScoreText(int score) {
    if (std::abs(score) > kAnalysisMateScore - 1000) {
        const QString winner = score > 0 ? "先手勝ち" : "後手勝ち";
        const int plies = kAnalysisMateScore - std::abs(score);
        return plies == 0 ? winner : QString("%1（%2手）").arg(winner).arg(plies);
    }
    return score > 0 ? QString("+%1").arg(score) : QString::number(score);
}

QString RecordWindow::LineText(const std::vector<RecordedMove>& line) {
    QStringList moves;
    for (const RecordedMove& move : line) moves << QString::fromStdString(MoveText(move));
    return moves.join(" ");
}

void RecordWindow::BuildAnalysisControls() {
    graph_ = new EvaluationGraph(this);
    graph_->hide();
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setFormat("解析中 %v / %m");
    progress_->hide();
    cancel_ = Button(this, "cancel", "中止");
    cancel_->hide();
    status_ = TextLabel("status");
    details_ = TextLabel("details");
    lineBack_ = Button(this, "lineBack", "◀ 読み筋");
    lineNext_ = Button(this, "lineNext", "読み筋 ▶");
    lineBack_->hide();
    lineNext_->hide();
    summary_ = TextLabel("summary");
    connect(graph_, &EvaluationGraph::plyClicked, this, &RecordWindow::SelectPly);
    connect(cancel_, &QPushButton::clicked, this, &RecordWindow::CancelAnalysis);
    connect(lineBack_, &QPushButton::clicked, this, [this] { StepLine(lineStep_ - 1); });
    connect(lineNext_, &QPushButton::clicked, this, [this] { StepLine(lineStep_ + 1); });
    connect(analyser_, &RecordAnalyser::analysed, this, &RecordWindow::OnAnalysed);
    connect(analyser_, &RecordAnalyser::finished, this,
            [this] { OnAnalysisEnded("解析が終わりました"); });
    connect(analyser_, &RecordAnalyser::failed, this,
            [this] { OnAnalysisEnded("コンピュータが応答しないので、解析を中止しました"); });
}

void RecordWindow::Analyse() {
    if (!engineAllowed_) return;
    status_->show();
    std::vector<int> plies;
    for (int ply = 0; ply <= plies_; ++ply)
        if (!analysis_.contains(ply)) plies.push_back(ply);
    if (plies.empty()) return status_->setText("すべての局面を解析済みです");
    if (!analyser_->Start(start_, listed_, drops_, plies))
        return status_->setText("コンピュータを起動できません");
    analysing_ = plies_;
    status_->setText(QString("%1局面を解析しています（深さ%2、1局面%3秒まで）")
                         .arg(plies.size())
                         .arg(analyser_->Limits().depth)
                         .arg(analyser_->Limits().moveTimeMs / 1000.0));
    progress_->setRange(0, analyser_->Total());
    progress_->setValue(0);
    progress_->show();
    cancel_->show();
}

void RecordWindow::CancelAnalysis() {
    StopAnalysis(QString("解析を中止しました（%1局面を解析済み）").arg(analysis_.size()));
}

void RecordWindow::StopAnalysis(const QString& why) {
    if (!analyser_->Running()) return;
    analyser_->Cancel();
    OnAnalysisEnded(why);
}

void RecordWindow::OnAnalysisEnded(const QString& status) {
    analysing_ = -1;
    progress_->hide();
    cancel_->hide();
    status_->setText(status);
    status_->show();
}

void RecordWindow::SetAnalysis(std::map<int, PositionAnalysis> analysis) {
    StopAnalysis("棋譜が変わったので、解析を中止しました");
    analysis_ = std::move(analysis);
    TrimAnalysis(listed_.size());
    RenderAnalysis();
}

// The analysis of positions the record no longer reaches goes; so does an analysis running on
// moves that changed.
void RecordWindow::TrimAnalysis(std::size_t keptMoves) {
    const int kept = static_cast<int>(keptMoves);
    std::erase_if(analysis_, [kept](const auto& entry) { return entry.first > kept; });
    if (analysing_ > kept) StopAnalysis("棋譜が変わったので、解析を中止しました");
}

void RecordWindow::AllowEngine(bool allowed, const QString& why) {
    if (allowed == engineAllowed_) return;
    engineAllowed_ = allowed;
    studyButton_->setEnabled(allowed);
    if (allowed) return;
    StopAnalysis(why + "ので、解析を中止しました");
    SetStudying(false);
}

void RecordWindow::OnAnalysed(int ply, const PositionAnalysis& analysis) {
    analysis_[ply] = analysis;
    progress_->setValue(analyser_->Done());
    RenderMarks(ply, ply + 1);
    RenderAnalysis();
}

// The graph, the chosen move's details and the summary, shown once there is an analysis.
void RecordWindow::RenderAnalysis() {
    const bool any = !analysis_.empty();
    graph_->setVisible(any);
    if (any) {
        std::vector<std::optional<int>> scores(static_cast<std::size_t>(plies_) + 1);
        for (const auto& [ply, analysis] : analysis_)
            scores[static_cast<std::size_t>(ply)] = analysis.score;
        std::vector<MoveMark> marks(static_cast<std::size_t>(plies_), MoveMark::None);
        for (int number = 1; number <= plies_; ++number)
            if (auto judgement = JudgeMove(analysis_, listed_, number))
                marks[static_cast<std::size_t>(number - 1)] = judgement->mark;
        graph_->SetCourse(std::move(scores), std::move(marks));
        graph_->SetCurrent(SelectedPly());
    }
    if (!analyser_->Running()) RenderMarks(1, plies_);
    RenderDetails();
    RenderSummary();
    if (any) GrowToFit();
}

// The lines of moves `firstMove`..`lastMove` show their marks.
void RecordWindow::RenderMarks(int firstMove, int lastMove) {
    for (int number = std::max(firstMove, 1); number <= std::min(lastMove, plies_); ++number) {
        QListWidgetItem* item = list_->item(number);
        auto judgement = JudgeMove(analysis_, listed_, number);
        const MoveMark mark = judgement ? judgement->mark : MoveMark::None;
        QString text = item->data(Qt::UserRole).toString();
        if (mark != MoveMark::None) text += "  " + QString::fromStdString(MarkName(mark));
        if (item->text() == text) continue;  // a long list changes only where a mark does
        item->setText(text);
        item->setForeground(mark == MoveMark::Blunder   ? QBrush(kBlunderInk)
                            : mark == MoveMark::Dubious ? QBrush(kDubiousInk)
                                                        : QBrush());
    }
}

int RecordWindow::LineBase() const {
    return std::max(SelectedPly() - 1, 0);
}

const std::vector<RecordedMove>* RecordWindow::LineShown() const {
    auto found = analysis_.find(LineBase());
    return found == analysis_.end() ? nullptr : &found->second.line;
}

// The chosen position's analysis: for a move, the scores before and after it with its mark,
// and the engine's best move there with its line.
void RecordWindow::RenderDetails() {
    const int ply = SelectedPly();
    graph_->SetCurrent(ply);
    const std::vector<RecordedMove>* line = LineShown();
    details_->setVisible(!analysis_.empty());
    lineBack_->setVisible(!analysis_.empty());
    lineNext_->setVisible(!analysis_.empty());
    lineBack_->setEnabled(line && lineStep_ > 0);
    lineNext_->setEnabled(line && lineStep_ < static_cast<int>(line->size()));
    if (analysis_.empty()) return;
    QStringList text;
    auto here = analysis_.find(ply);
    if (ply == 0) {
        text << "開始局面";
        if (here != analysis_.end()) text << "評価値 " + ScoreText(here->second.score);
    } else if (auto judgement = JudgeMove(analysis_, listed_, ply)) {
        const std::string mark = MarkName(judgement->mark);
        text << QString("%1手目 %2%3")
                    .arg(ply)
                    .arg(QString::fromStdString(
                        MoveText(listed_[static_cast<std::size_t>(ply - 1)])))
                    .arg(mark.empty() ? "" : "  " + QString::fromStdString(mark));
        text << QString("評価値 %1 → %2（先手から見た値）  損失 %3")
                    .arg(ScoreText(judgement->before), ScoreText(judgement->after))
                    .arg(judgement->loss);
    } else {
        text << QString("%1手目は解析されていません").arg(ply);
    }
    if (line && !line->empty()) {
        text << "最善手 " + QString::fromStdString(MoveText(line->front()));
        text << "読み筋 " + LineText(*line);
    }
    details_->setText(text.join("\n"));
}

void RecordWindow::RenderSummary() {
    summary_->setVisible(!analysis_.empty());
    QStringList text;
    const auto sides = Summarise(analysis_, listed_);
    for (Side side : {Side::Sente, Side::Gote}) {
        const SideSummary& summary = sides[side == Side::Sente ? 0 : 1];
        text << QString("%1  悪手 %2  疑問手 %3  平均損失 %4")
                    .arg(QString::fromStdString(SideName(side)))
                    .arg(summary.blunders)
                    .arg(summary.dubious)
                    .arg(summary.AverageLoss());
    }
    summary_->setText(text.join("\n"));
}

// Step `step` of the engine's line: the position after as many of its moves; step 0 is the
// chosen position itself.
void RecordWindow::StepLine(int step) {
    const std::vector<RecordedMove>* line = LineShown();
    if (!line) return;
    lineStep_ = std::clamp(step, 0, static_cast<int>(line->size()));
    RenderDetails();
    if (lineStep_ == 0) return emit plyChosen(SelectedPly());
    emit variationChosen(LineBase(), {line->begin(), line->begin() + lineStep_});
}

}  // namespace torvane
