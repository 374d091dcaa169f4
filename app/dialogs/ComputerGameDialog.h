#pragma once

#include <QDialog>

#include "app/dialogs/ComputerGameChoice.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace torvane {

// "コンピュータ対局": the player's side, the computer's level (レベル1 入門 … レベル10 最強) with
// the time it thinks (the top level's chosen: 1, 3 or 10 seconds a move), the game's time limit
// and, when the board shows a game that can go on, whether to play on from there; OK or
// キャンセル.
class ComputerGameDialog : public QDialog {
    Q_OBJECT
public:
    explicit ComputerGameDialog(QWidget* parent);

    ComputerGameChoice Choice() const;
    // What the dialog shows when it opens: the last choice.
    void Preselect(const ComputerGameChoice& choice);
    // Whether "この局面から続ける" can be chosen, and whether it was.
    void OfferToContinue(bool possible);
    bool ContinueFromHere() const;

private:
    void ShowThinkingTime();

    QRadioButton* sente_;
    QRadioButton* gote_;
    QComboBox* level_;
    QLabel* thinkTime_;   // the time of a level below the top
    QComboBox* topTime_;  // the top level's choice
    QCheckBox* timeLimit_;
    QCheckBox* fromHere_;
};

}  // namespace torvane
