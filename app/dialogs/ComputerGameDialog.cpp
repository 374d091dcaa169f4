#include "app/dialogs/ComputerGameDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "app/dialogs/DialogRows.h"

namespace torvane {

ComputerGameDialog::ComputerGameDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("ComputerGameDialog");
    setWindowTitle("コンピュータ対局");
    setFixedSize(Px(4320), Px(2860));

    auto* side = new QLabel("あなたの手番", this);
    side->setGeometry(TwipRect(240, 280, 1320, 300));
    sente_ = new QRadioButton("先手", this);
    sente_->setObjectName("sente");
    sente_->setGeometry(TwipRect(1620, 240, 1000, 360));
    sente_->setChecked(true);
    gote_ = new QRadioButton("後手", this);
    gote_->setObjectName("gote");
    gote_->setGeometry(TwipRect(2700, 240, 1000, 360));

    auto* level = new QLabel("レベル", this);
    level->setGeometry(TwipRect(240, 760, 1320, 300));
    level_ = new QComboBox(this);
    level_->setObjectName("level");
    level_->setGeometry(TwipRect(1620, 720, 2400, 360));
    level_->addItems({"入門", "初級", "中級", "上級", "最強"});

    timeLimit_ = new QCheckBox("時間制限をする", this);
    timeLimit_->setObjectName("timeLimit");
    timeLimit_->setGeometry(TwipRect(240, 1220, 3800, 360));

    fromHere_ = new QCheckBox("この局面から続ける", this);
    fromHere_->setObjectName("fromHere");
    fromHere_->setGeometry(TwipRect(240, 1640, 3800, 360));
    fromHere_->setEnabled(false);

    QPushButton* ok = AddDialogButton(this, "Command1", "OK", 960, 2200);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(AddDialogButton(this, "Command2", "キャンセル", 2400, 2200), &QPushButton::clicked,
            this, &QDialog::reject);
}

void ComputerGameDialog::Preselect(const ComputerGameChoice& choice) {
    (choice.playerIsGote ? gote_ : sente_)->setChecked(true);
    level_->setCurrentIndex(choice.level - 1);
    timeLimit_->setChecked(choice.timeLimit);
}

ComputerGameChoice ComputerGameDialog::Choice() const {
    return {gote_->isChecked(), level_->currentIndex() + 1, timeLimit_->isChecked()};
}

void ComputerGameDialog::OfferToContinue(bool possible) {
    fromHere_->setEnabled(possible);
    fromHere_->setChecked(possible && fromHere_->isChecked());
}

bool ComputerGameDialog::ContinueFromHere() const {
    return fromHere_->isEnabled() && fromHere_->isChecked();
}

}  // namespace torvane
