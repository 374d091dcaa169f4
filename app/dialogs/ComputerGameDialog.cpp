#include "app/dialogs/ComputerGameDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <algorithm>
#include <iterator>

#include "app/dialogs/DialogRows.h"
#include "app/engine/EngineStrength.h"

namespace torvane {

namespace {

// Ten levels, the five names a player knows beside the first, third, fifth, seventh and last.
const char* const kLevelNames[] = {
    "レベル1（入門）", "レベル2",         "レベル3（初級）", "レベル4", "レベル5（中級）",
    "レベル6",         "レベル7（上級）", "レベル8",         "レベル9", "レベル10（最強）",
};
static_assert(std::size(kLevelNames) == kComputerLevels);

}  // namespace

ComputerGameDialog::ComputerGameDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("ComputerGameDialog");
    setWindowTitle("コンピュータ対局");
    setFixedSize(Px(4320), Px(3240));

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
    for (const char* name : kLevelNames) level_->addItem(name);

    auto* time = new QLabel("考える時間", this);
    time->setGeometry(TwipRect(240, 1200, 1320, 300));
    thinkTime_ = new QLabel(this);
    thinkTime_->setObjectName("thinkTime");
    thinkTime_->setGeometry(TwipRect(1680, 1200, 2340, 300));
    topTime_ = new QComboBox(this);
    topTime_->setObjectName("topTime");
    topTime_->setGeometry(TwipRect(1620, 1160, 2400, 360));
    for (int seconds : kTopLevelSeconds) topTime_->addItem(QString("1手 %1秒").arg(seconds));
    connect(level_, &QComboBox::currentIndexChanged, this, &ComputerGameDialog::ShowThinkingTime);

    timeLimit_ = new QCheckBox("時間制限をする", this);
    timeLimit_->setObjectName("timeLimit");
    timeLimit_->setGeometry(TwipRect(240, 1640, 3800, 360));

    fromHere_ = new QCheckBox("この局面から続ける", this);
    fromHere_->setObjectName("fromHere");
    fromHere_->setGeometry(TwipRect(240, 2060, 3800, 360));
    fromHere_->setEnabled(false);

    QPushButton* ok = AddDialogButton(this, "Command1", "OK", 960, 2600);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(AddDialogButton(this, "Command2", "キャンセル", 2400, 2600), &QPushButton::clicked,
            this, &QDialog::reject);
    Preselect({});
}

// A level below the top names its time; the top level offers its three.
void ComputerGameDialog::ShowThinkingTime() {
    const int level = level_->currentIndex() + 1;
    const bool top = level == kComputerLevels;
    topTime_->setVisible(top);
    thinkTime_->setVisible(!top);
    const auto seconds = static_cast<double>(StrengthOfLevel(level, 0).moveMs) / 1000;
    thinkTime_->setText(QString("1手 %1秒まで").arg(seconds));
}

void ComputerGameDialog::Preselect(const ComputerGameChoice& choice) {
    (choice.playerIsGote ? gote_ : sente_)->setChecked(true);
    level_->setCurrentIndex(choice.level - 1);
    const auto* top =
        std::find(std::begin(kTopLevelSeconds), std::end(kTopLevelSeconds), choice.topSeconds);
    topTime_->setCurrentIndex(top == std::end(kTopLevelSeconds)
                                  ? 1
                                  : static_cast<int>(top - std::begin(kTopLevelSeconds)));
    timeLimit_->setChecked(choice.timeLimit);
    ShowThinkingTime();
}

ComputerGameChoice ComputerGameDialog::Choice() const {
    return {gote_->isChecked(), level_->currentIndex() + 1, timeLimit_->isChecked(),
            kTopLevelSeconds[topTime_->currentIndex()]};
}

void ComputerGameDialog::OfferToContinue(bool possible) {
    fromHere_->setEnabled(possible);
    fromHere_->setChecked(possible && fromHere_->isChecked());
}

bool ComputerGameDialog::ContinueFromHere() const {
    return fromHere_->isEnabled() && fromHere_->isChecked();
}

}  // namespace torvane
