#pragma once

#include <QWidget>

#include "app/window/BoardView.h"

namespace torvane {

// The hint on the board: a frame round the suggested move's origin cell (none for a drop) and
// round its target, drawn over the board's pictures; presses go through to the board.
class HintMarks : public QWidget {
    Q_OBJECT
public:
    explicit HintMarks(BoardView* board);

    // `from` is -1 for a drop from a hand.
    void Mark(int from, int to);
    void Clear();
    int from() const { return from_; }
    int to() const { return to_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    BoardView* board_;
    int from_ = -1, to_ = -1;
};

}  // namespace torvane
