#include "app/editor/SetUpBoardView.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/window/ImageStore.h"
#include "images/PieceImageTable.h"

namespace torvane {

namespace {

// At the design size: 376 pixels across, 8 of wood round a grid of 40-pixel cells.
constexpr double kDesignWidth = 376, kMargin = 8, kCell = 40;

}  // namespace

SetUpBoardView::SetUpBoardView(const SetUpBoard& board, QWidget* parent)
    : SetUpSurface(parent), board_(board) {
    setObjectName("SetUpBoard");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int SetUpBoardView::GridLine(int index) const {
    const double scale = width() / kDesignWidth;
    return static_cast<int>(std::lround((kMargin + kCell * index) * scale));
}

std::optional<SetUpPlace> SetUpBoardView::PlaceAt(QPoint pos) const {
    const int cell = CellAt(pos);
    if (cell < 0) return std::nullopt;
    return SetUpPlace{SetUpPlace::Area::Board, cell};
}

int SetUpBoardView::CellAt(QPoint pos) const {
    auto index = [this](int at) {
        for (int i = 0; i < 9; ++i)
            if (at >= GridLine(i) && at < GridLine(i + 1)) return i;
        return -1;
    };
    const int column = index(pos.x()), row = index(pos.y());
    return column < 0 || row < 0 ? -1 : row * 9 + column;
}

QRect SetUpBoardView::CellRect(int cell) const {
    return QRect(QPoint(GridLine(ColumnOf(cell)), GridLine(RowOf(cell))),
                 QPoint(GridLine(ColumnOf(cell) + 1) - 1, GridLine(RowOf(cell) + 1) - 1));
}

int SetUpBoardView::PieceSize() const {
    return static_cast<int>(std::lround(0.8 * (GridLine(1) - GridLine(0))));
}

int SetUpBoardView::LineWidth() const {
    return std::max(1, static_cast<int>(std::lround(width() / kDesignWidth)));
}

QPoint SetUpBoardView::PiecePos(int cell) const {
    const QRect square = CellRect(cell).adjusted(LineWidth(), LineWidth(), 0, 0);
    const int size = PieceSize();
    return square.topLeft() + QPoint((square.width() - size) / 2, (square.height() - size) / 2);
}

void SetUpBoardView::MarkHeld(int cell) {
    if (held_ == cell) return;
    held_ = cell;
    update();
}

void SetUpBoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal dpr = devicePixelRatioF();
    PaintGround(p, "maple");
    const int line = LineWidth();
    if (held_ >= 0)
        p.fillRect(CellRect(held_).adjusted(line, line, 0, 0), QColor(255, 196, 64, 140));
    const int first = GridLine(0), last = GridLine(9);
    for (int i = 0; i <= 9; ++i) {
        p.fillRect(first, GridLine(i), last - first + line, line, Qt::black);
        p.fillRect(GridLine(i), first, line, last - first + line, Qt::black);
    }
    const int size = PieceSize();
    for (int cell = 0; cell < kCellCount; ++cell) {
        std::optional<SetUpPiece> piece = board_.PieceAt({SetUpPlace::Area::Board, cell});
        if (!piece) continue;
        const ImageInk ink = piece->side == Side::Sente ? ImageInk::Black : ImageInk::Red;
        p.drawPixmap(PiecePos(cell),
                     PiecePixmap(PieceImageId(piece->kind, ink, ImageVariant::Normal), size, dpr));
    }
}

}  // namespace torvane
