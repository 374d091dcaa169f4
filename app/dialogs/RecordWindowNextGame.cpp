#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/dialogs/RecordWindow.h"

namespace torvane {

// After a game against the computer: what happened, and the next step — the analysis of the
// game, another game with the sides swapped, or closing the window.
void RecordWindow::BuildNextGameControls() {
    nextGame_ = new QWidget(this);
    nextGame_->setObjectName("nextGame");
    nextGameText_ = new QLabel(nextGame_);
    nextGameText_->setObjectName("nextGameText");
    nextGameText_->setWordWrap(true);
    auto* row = new QHBoxLayout;
    const auto button = [this, row](const QString& name, const QString& caption) {
        auto* pushButton = new QPushButton(caption, nextGame_);
        pushButton->setObjectName(name);
        pushButton->setAutoDefault(false);
        row->addWidget(pushButton);
        return pushButton;
    };
    analyseAfterGame_ = button("kaisekiAfterGame", "解析");
    QPushButton* again = button("mouikkyoku", "もう一局");
    QPushButton* close = button("tojiru", "閉じる");
    auto* column = new QVBoxLayout(nextGame_);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(nextGameText_);
    column->addLayout(row);
    nextGame_->hide();
    connect(analyseAfterGame_, &QPushButton::clicked, this, [this] {
        nextGame_->hide();
        Analyse();
    });
    connect(again, &QPushButton::clicked, this, [this] {
        nextGame_->hide();
        emit anotherGameAsked();
    });
    connect(close, &QPushButton::clicked, this, [this] {
        nextGame_->hide();
        hide();
    });
}

void RecordWindow::OfferNextGame(const QString& outcome) {
    nextGameText_->setText(outcome);
    analyseAfterGame_->setEnabled(engineAllowed_);
    nextGame_->show();
}

bool RecordWindow::OffersNextGame() const {
    return nextGame_->isVisibleTo(this);
}

}  // namespace torvane
