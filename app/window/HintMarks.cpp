#include "app/window/HintMarks.h"

#include <QPainter>

#include "app/window/BoardView.h"

namespace torvane {

namespace {

constexpr int kPictureSize = 32;  // a piece's picture on a cell

QRect CellFrame(int cell) {
    return QRect(BoardView::CellPicturePos(cell), QSize(kPictureSize, kPictureSize))
        .adjusted(-3, -3, 3, 3);
}

}  // namespace

HintMarks::HintMarks(QWidget* board) : QWidget(board) {
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
        p.drawRect(CellFrame(from_));
    }
    if (to_ >= 0) {
        p.setPen(QPen(QColor(255, 40, 0), 3));
        p.drawRect(CellFrame(to_));
    }
}

}  // namespace torvane
