#include "app/dialogs/RecordWindow.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

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

}  // namespace

RecordWindow::RecordWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
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
    auto* column = new QVBoxLayout(this);
    column->addWidget(list_);
    column->addLayout(buttons);
    resize(330, 420);

    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { Choose(std::min(row, plies_)); });
    connect(first_, &QPushButton::clicked, this, [this] { SelectPly(0); });
    connect(previous_, &QPushButton::clicked, this, [this] { SelectPly(SelectedPly() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { SelectPly(SelectedPly() + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { SelectPly(plies_); });
}

void RecordWindow::ShowHistory(const MoveHistory& history) {
    const auto& entries = history.entries();
    std::size_t kept = 0;
    while (kept < listed_.size() && kept < entries.size() && listed_[kept] == entries[kept].move)
        ++kept;
    QSignalBlocker quiet(list_);
    if (list_->count() == 0) list_->addItem("   0 開始局面");
    while (list_->count() > static_cast<int>(kept) + 1) delete list_->takeItem(list_->count() - 1);
    listed_.resize(kept);
    for (std::size_t i = kept; i < entries.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        list_->addItem(QString::fromStdString(
            MoveLine(number, entries[i].move, history.MoverTotalSeconds(i))));
        listed_.push_back(entries[i].move);
    }
    plies_ = static_cast<int>(entries.size());
    if (history.result())
        list_->addItem(QString::fromStdString(ResultLine(plies_ + 1, *history.result())));
    list_->setCurrentRow(plies_);
    list_->scrollToBottom();
    EnableSteps(plies_);
}

void RecordWindow::SelectPly(int ply) {
    list_->setCurrentRow(std::clamp(ply, 0, plies_));
}

int RecordWindow::SelectedPly() const {
    return std::clamp(list_->currentRow(), 0, plies_);
}

void RecordWindow::Choose(int ply) {
    EnableSteps(ply);
    emit plyChosen(ply);
}

void RecordWindow::EnableSteps(int ply) {
    first_->setEnabled(ply > 0);
    previous_->setEnabled(ply > 0);
    next_->setEnabled(ply < plies_);
    last_->setEnabled(ply < plies_);
}

}  // namespace torvane
