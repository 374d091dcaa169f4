#include "app/window/HintMarks.h"

#include <QPainter>
#include <algorithm>

#include "app/window/BoardView.h"

namespace torvane {

namespace {

// A frame a little larger than the piece's picture on `cell`, at the board's current scale.
QRect CellFrame(const BoardView& board, int cell) {
    int margin = std::max(2, board.PieceSize() / 10);
    return QRect(board.CellPicturePos(cell), QSize(board.PieceSize(), board.PieceSize()))
        .adjusted(-margin, -margin, margin, margin);
}

}  // namespace

HintMarks::HintMarks(BoardView* board) : QWidget(board), board_(board) {
    setObjectName("HintMarks");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void HintMarks::Mark(int from, int to) {
    from_ = from;
    to_ = to;
    setGeometry(parentWidget()->rect());
    show();
    raise();
    update();
}

void HintMarks::Clear() {
    from_ = to_ = -1;
    hide();
}

void HintMarks::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    if (from_ >= 0) {
        p.setPen(QPen(QColor(0, 90, 255), 3));
        p.drawRect(CellFrame(*board_, from_));
    }
    if (to_ >= 0) {
        p.setPen(QPen(QColor(255, 40, 0), 3));
        p.drawRect(CellFrame(*board_, to_));
    }
}

}  // namespace torvane
