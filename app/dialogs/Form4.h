#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;

namespace torvane {

// "接続する": handle name, IP address and port of the program to connect to. OK acts when it
// is pressed: `onPress` gets the three texts and returns true when a connection is being
// made; the release of that press then closes the dialog. After a refused press the dialog
// stays open. キャンセル closes it.
class Form4 : public QDialog {
    Q_OBJECT
public:
    using OnPress = std::function<bool(const std::string& handle, const std::string& address,
                                       const std::string& port)>;
    Form4(QWidget* parent, OnPress onPress);
    // The fields as the last connection made left them.
    void Prefill(const QString& handle, const QString& address, const QString& port);

private:
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    bool connecting_ = false;
};

}  // namespace torvane
