#pragma once

#include <QWidget>
#include <vector>

#include "record/RecordedMove.h"

class QListWidget;
class QPushButton;

namespace torvane {

class MoveHistory;

// "棋譜": the moves of the game on the board, one numbered line each after the start, the end
// of the game as a last line, and 最初 / 前 / 次 / 最後 to step through the positions. A line
// chosen stands for the position after its move; the window only asks for a position to be
// shown, it never changes the game.
class RecordWindow : public QWidget {
    Q_OBJECT
public:
    explicit RecordWindow(QWidget* parent);

    // Lists `history` and selects its last position. The lines of moves that are still the
    // same stay, so a move made or taken back costs one line, however long the game.
    void ShowHistory(const MoveHistory& history);
    // The position after `ply` moves is shown (0: the start position).
    void SelectPly(int ply);
    int SelectedPly() const;
    int Plies() const { return plies_; }

    QListWidget* list() const { return list_; }

signals:
    // The player chose the position after `ply` moves.
    void plyChosen(int ply);

private:
    void Choose(int ply);
    void EnableSteps(int ply);

    QListWidget* list_;
    QPushButton *first_, *previous_, *next_, *last_;
    int plies_ = 0;
    std::vector<RecordedMove> listed_;  // the moves the lines after the first show
};

}  // namespace torvane
