#include "app/window/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/window/ImageStore.h"
#include "app/window/Twips.h"

namespace torvane {

namespace {

constexpr int kCellTwips = 600;

}  // namespace

BoardView::BoardView(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setObjectName("Picture1");
    // A window of its own, so that the pointer can be confined to it while a piece is held.
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int BoardView::CellAt(QPoint pos) const {
    int column = pos.x() * kTwipsPerPixel / kCellTwips;
    int row = pos.y() * kTwipsPerPixel / kCellTwips;
    if (pos.x() < 0 || pos.y() < 0 || column > 8 || row > 8) return -1;
    return row * 9 + column;
}

QPoint BoardView::CellPicturePos(int cell) {
    return QPoint(Px(60 + kCellTwips * ColumnOf(cell)), Px(70 + kCellTwips * RowOf(cell)));
}

void BoardView::SetBackground(const QImage& picture) {
    background_.Set(picture, size());
    base_ = QPixmap();
    update();
}

// The wood (or the chosen picture) with the grid over it changes only with the picture or the
// screen, so it is drawn once and kept; a repaint then copies it and draws the pieces.
const QPixmap& BoardView::Base() {
    qreal dpr = devicePixelRatioF();
    if (!base_.isNull() && base_.size() == size() * dpr && base_.devicePixelRatio() == dpr)
        return base_;
    base_ = QPixmap(size() * dpr);
    base_.setDevicePixelRatio(dpr);
    QPainter p(&base_);
    if (background_.isNull())
        p.drawTiledPixmap(rect(), Picture("maple", dpr));
    else
        p.drawPixmap(0, 0, background_.At(size(), dpr));
    p.setPen(QPen(Qt::black, 1));
    for (int t = 0; t <= 6000; t += kCellTwips) {
        p.drawLine(0, Px(t), Px(6000), Px(t));
        p.drawLine(Px(t), 0, Px(t), Px(6000));
    }
    return base_;
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, Base());
    qreal dpr = devicePixelRatioF();
    for (int i = 0; i < kCellCount; ++i) {
        int picture = game_.Image1[i].Picture;
        if (picture) p.drawPixmap(CellPicturePos(i), PiecePixmap(picture, dpr));
    }
}

void BoardView::mousePressEvent(QMouseEvent* e) {
    int cell = CellAt(e->position().toPoint());
    if (cell >= 0 && onPress) onPress(cell, e->button());
}

void BoardView::mouseReleaseEvent(QMouseEvent* e) {
    if (onRelease) onRelease(e->globalPosition().toPoint());
}

}  // namespace torvane
