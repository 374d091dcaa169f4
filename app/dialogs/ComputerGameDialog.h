#pragma once

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace torvane {

// "コンピュータ対局": the player's side and the computer's level (1 入門 … 5 最強), OK or
// キャンセル.
class ComputerGameDialog : public QDialog {
    Q_OBJECT
public:
    explicit ComputerGameDialog(QWidget* parent);

    bool PlayerIsGote() const;
    int Level() const;  // 1..5

private:
    QRadioButton* sente_;
    QRadioButton* gote_;
    QComboBox* level_;
};

}  // namespace torvane
