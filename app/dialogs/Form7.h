#pragma once

#include <QDialog>
#include <functional>

class QRadioButton;

namespace torvane {

// "ネットワーク対戦": the side the local player offers to take, Sente selected when it opens.
// OK hands the choice to `onOk` (true for Sente) and closes; キャンセル only closes.
class Form7 : public QDialog {
    Q_OBJECT
public:
    Form7(QWidget* parent, std::function<void(bool sente)> onOk);

private:
    QRadioButton* Option1;
};

}  // namespace torvane
