#include "app/dialogs/RecordWindow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "app/analysis/RecordAnalyser.h"
#include "app/analysis/StudySession.h"
#include "app/dialogs/EvaluationGraph.h"
#include "game/MoveHistory.h"
#include "record/Notation.h"

namespace torvane {

namespace {

QPushButton* StepButton(QWidget* parent, QBoxLayout* row, const QString& name,
                        const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

// A line of the list; its text without a mark is kept with it.
void AddLine(QListWidget* list, const QString& text) {
    auto* item = new QListWidgetItem(text, list);
    item->setData(Qt::UserRole, text);
}

}  // namespace

RecordWindow::RecordWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool),
      analyser_(new RecordAnalyser(this)),
      study_(new StudySession(this)) {
    setObjectName("RecordWindow");
    setWindowTitle("棋譜");
    list_ = new QListWidget(this);
    list_->setObjectName("moves");
    list_->setUniformItemSizes(true);  // lays out a long game without measuring every line
    QFont mono = list_->font();
    mono.setFamilies({"Noto Sans Mono CJK JP", "monospace"});
    list_->setFont(mono);
    auto* buttons = new QHBoxLayout;
    first_ = StepButton(this, buttons, "first", "最初");
    previous_ = StepButton(this, buttons, "previous", "前");
    next_ = StepButton(this, buttons, "next", "次");
    last_ = StepButton(this, buttons, "last", "最後");
    BuildAnalysisControls();
    BuildStudyControls();
    BuildNextGameControls();
    auto* column = new QVBoxLayout(this);
    column->addWidget(graph_);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(cancel_);
    column->addLayout(progressRow);
    column->addWidget(status_);
    column->addWidget(list_, 1);
    column->addLayout(buttons);
    column->addWidget(details_);
    auto* lineRow = new QHBoxLayout;
    lineRow->addWidget(lineBack_);
    lineRow->addWidget(lineNext_);
    lineRow->addStretch();
    column->addLayout(lineRow);
    column->addWidget(summary_);
    column->addWidget(studyButton_);
    column->addWidget(studyText_);
    column->addWidget(nextGame_);
    resize(330, 420);

    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { Choose(std::min(row, plies_)); });
    connect(first_, &QPushButton::clicked, this, [this] { SelectPly(0); });
    connect(previous_, &QPushButton::clicked, this, [this] { SelectPly(SelectedPly() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { SelectPly(SelectedPly() + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { SelectPly(plies_); });
}

RecordWindow::~RecordWindow() = default;

void RecordWindow::ShowHistory(const MoveHistory& history) {
    const auto& entries = history.entries();
    std::size_t kept = 0;
    if (history.header().start != start_) {  // a game from another position: nothing is kept
        start_ = history.header().start;
        listed_.clear();
        analysis_.erase(0);
        if (analysing_ >= 0) StopAnalysis("棋譜が変わったので、解析を中止しました");
    }
    while (kept < listed_.size() && kept < entries.size() && listed_[kept] == entries[kept].move)
        ++kept;
    QSignalBlocker quiet(list_);
    if (list_->count() == 0) AddLine(list_, "   0 開始局面");
    while (list_->count() > static_cast<int>(kept) + 1) delete list_->takeItem(list_->count() - 1);
    listed_.resize(kept);
    TrimAnalysis(kept);
    for (std::size_t i = kept; i < entries.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        AddLine(list_, QString::fromStdString(
                           MoveLine(number, entries[i].move, history.MoverTotalSeconds(i))));
        listed_.push_back(entries[i].move);
    }
    if (!history.result()) nextGame_->hide();  // another game has begun
    drops_ = history.header().capturedPiecesUsed ||
             std::any_of(listed_.begin(), listed_.end(), [](auto& m) { return m.IsDrop(); });
    plies_ = static_cast<int>(entries.size());
    if (history.result())
        AddLine(list_, QString::fromStdString(ResultLine(plies_ + 1, *history.result())));
    list_->setCurrentRow(plies_);
    list_->scrollToBottom();
    EnableSteps(plies_);
    RenderAnalysis();
}

void RecordWindow::SelectPly(int ply) {
    list_->setCurrentRow(std::clamp(ply, 0, plies_));
}

int RecordWindow::SelectedPly() const {
    return std::clamp(list_->currentRow(), 0, plies_);
}

void RecordWindow::Choose(int ply) {
    EnableSteps(ply);
    lineStep_ = 0;
    RenderDetails();
    emit plyChosen(ply);
}

// The window grows to show what it has to show beside a list of some lines, never shrinks.
void RecordWindow::GrowToFit() {
    const int wanted = layout()->sizeHint().height();
    if (height() < wanted) resize(width(), wanted);
}

void RecordWindow::EnableSteps(int ply) {
    first_->setEnabled(ply > 0);
    previous_->setEnabled(ply > 0);
    next_->setEnabled(ply < plies_);
    last_->setEnabled(ply < plies_);
}

}  // namespace torvane
