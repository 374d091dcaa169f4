#include "app/dialogs/Form4.h"

#include <utility>

#include "app/dialogs/DialogRows.h"

namespace torvane {

Form4::Form4(QWidget* parent, OnPress onPress) : QDialog(parent) {
    setObjectName("Form4");
    setWindowTitle("接続する");
    setFixedSize(Px(4320), Px(2520));
    Text1 = AddFieldRow(this, "Label1", "ハンドルネーム", "Text1", 240);
    Text1->setMaxLength(10);
    Text2 = AddFieldRow(this, "Label2", "IPアドレス", "Text2", 720);
    Text3 = AddFieldRow(this, "Label3", "ポート番号", "Text3", 1200);

    QPushButton* ok = AddDialogButton(this, "Command1", "OK", 960, 1860);
    ok->setDefault(true);
    connect(ok, &QPushButton::pressed, this, [this, onPress = std::move(onPress)] {
        connecting_ = onPress(Text1->text().toStdString(), Text2->text().toStdString(),
                              Text3->text().toStdString());
    });
    connect(ok, &QPushButton::released, this, [this] {
        if (connecting_) accept();
    });
    connect(AddDialogButton(this, "Command2", "キャンセル", 2400, 1860), &QPushButton::clicked,
            this, &QDialog::reject);
}

void Form4::Prefill(const QString& handle, const QString& address, const QString& port) {
    Text1->setText(handle);
    Text2->setText(address);
    Text3->setText(port);
}

}  // namespace torvane
