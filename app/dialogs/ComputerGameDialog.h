#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace torvane {

// "コンピュータ対局": the player's side, the computer's level (1 入門 … 5 最強) and, when the
// board shows a game that can go on, whether to play on from there; OK or キャンセル.
class ComputerGameDialog : public QDialog {
    Q_OBJECT
public:
    explicit ComputerGameDialog(QWidget* parent);

    bool PlayerIsGote() const;
    int Level() const;  // 1..5
    // The side and level shown when the dialog opens: the last ones chosen.
    void Preselect(bool playerIsGote, int level);
    // Whether "この局面から続ける" can be chosen, and whether it was.
    void OfferToContinue(bool possible);
    bool ContinueFromHere() const;

private:
    QRadioButton* sente_;
    QRadioButton* gote_;
    QComboBox* level_;
    QCheckBox* fromHere_;
};

}  // namespace torvane
