#include "app/dialogs/Form5.h"

#include "app/dialogs/DialogRows.h"

namespace torvane {

Form5::Form5(QWidget* parent, const OnOk& onOk) : QDialog(parent) {
    setObjectName("Form5");
    setWindowTitle("接続を待つ");
    setFixedSize(Px(4320), Px(2040));
    Text1 = AddFieldRow(this, "Label1", "ハンドルネーム", "Text1", 240);
    Text1->setMaxLength(10);
    Text2 = AddFieldRow(this, "Label2", "ポート番号", "Text2", 720);

    QPushButton* ok = AddDialogButton(this, "Command1", "OK", 960, 1380);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this, onOk] {
        if (onOk(Text1->text().toStdString(), Text2->text().toStdString())) accept();
    });
    connect(AddDialogButton(this, "Command2", "キャンセル", 2400, 1380), &QPushButton::clicked,
            this, &QDialog::reject);
}

void Form5::Prefill(const QString& handle, const QString& port) {
    Text1->setText(handle);
    Text2->setText(port);
}

}  // namespace torvane
