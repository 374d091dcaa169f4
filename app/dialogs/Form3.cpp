#include "app/dialogs/Form3.h"

#include <QGroupBox>
#include <QPushButton>
#include <utility>

#include "app/window/Twips.h"

namespace torvane {

namespace {

QCheckBox* AddCheck(QWidget* frame, const char* name, const char* caption, int top, bool on) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), frame);
    box->setObjectName(name);
    box->setGeometry(TwipRect(360, top, 2300, 300));
    box->setChecked(on);
    return box;
}

QPushButton* AddButton(QWidget* parent, const char* name, const char* caption, int left) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setGeometry(TwipRect(left, 2640, 975, 495));
    return button;
}

}  // namespace

Form3::Form3(QWidget* parent, SettingsChoice current, std::function<void(SettingsChoice)> onOk)
    : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle("設定");
    setFixedSize(Px(3075), Px(3240));
    auto* frame = new QGroupBox("設定", this);
    frame->setObjectName("Frame1");
    frame->setGeometry(TwipRect(120, 120, 2775, 2175));
    // The boxes start below the frame's caption, which takes about 280 twips of the frame's top.
    Check1 = AddCheck(frame, "Check1", "音を出す", 360, current.sound);
    Check2 = AddCheck(frame, "Check2", "移動範囲を表示する", 705, current.rangeDisplay);
    Check3 = AddCheck(frame, "Check3", "王手を知らせる", 1050, current.checkNotice);
    Check4 = AddCheck(frame, "Check4", "取った駒を使用できる", 1395, current.capturedPieces);
    Check5 = AddCheck(frame, "Check5", "時間制限をする", 1740, current.timeLimit);

    QPushButton* ok = AddButton(this, "Command1", "OK", 600);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this, onOk = std::move(onOk)] {
        onOk(choice());
        accept();
    });
    connect(AddButton(this, "Command2", "キャンセル", 1920), &QPushButton::clicked, this,
            &QDialog::reject);
}

SettingsChoice Form3::choice() const {
    return SettingsChoice{Check1->isChecked(), Check2->isChecked(), Check3->isChecked(),
                          Check4->isChecked(), Check5->isChecked()};
}

}  // namespace torvane
