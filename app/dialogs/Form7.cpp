#include "app/dialogs/Form7.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <utility>

#include "app/dialogs/DialogRows.h"

namespace torvane {

namespace {

QRadioButton* AddOption(QWidget* frame, const char* name, const char* caption, int left) {
    auto* option = new QRadioButton(QString::fromUtf8(caption), frame);
    option->setObjectName(name);
    option->setGeometry(TwipRect(left, 300, 1200, 330));
    return option;
}

}  // namespace

Form7::Form7(QWidget* parent, std::function<void(bool sente)> onOk) : QDialog(parent) {
    setObjectName("Form7");
    setWindowTitle("ネットワーク対戦");
    setFixedSize(Px(4320), Px(2400));
    auto* label = new QLabel("対局の順番を指定してください", this);
    label->setObjectName("Label1");
    label->setGeometry(TwipRect(240, 180, 3840, 300));
    auto* frame = new QGroupBox(this);
    frame->setObjectName("Frame1");
    frame->setGeometry(TwipRect(240, 600, 3840, 900));
    // The two options share the frame, so choosing one clears the other.
    Option1 = AddOption(frame, "Option1", "先手", 480);
    AddOption(frame, "Option2", "後手", 2160);
    Option1->setChecked(true);

    QPushButton* ok = AddDialogButton(this, "Command2", "OK", 960, 1740);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this, onOk = std::move(onOk)] {
        onOk(Option1->isChecked());
        accept();
    });
    connect(AddDialogButton(this, "Command1", "キャンセル", 2400, 1740), &QPushButton::clicked,
            this, &QDialog::reject);
}

}  // namespace torvane
