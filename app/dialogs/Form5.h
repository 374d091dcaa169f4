#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;

namespace torvane {

// "接続を待つ": handle name and the port to listen on. OK hands both to `onOk`, which returns
// true when listening has begun; the dialog then closes, otherwise it stays open. キャンセル
// closes it.
class Form5 : public QDialog {
    Q_OBJECT
public:
    using OnOk = std::function<bool(const std::string& handle, const std::string& port)>;
    Form5(QWidget* parent, const OnOk& onOk);
    // The fields as the last connection made left them.
    void Prefill(const QString& handle, const QString& port);

private:
    QLineEdit* Text1;
    QLineEdit* Text2;
};

}  // namespace torvane
