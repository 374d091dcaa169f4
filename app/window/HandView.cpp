#include "app/window/HandView.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/window/ImageStore.h"
#include "app/window/Twips.h"

namespace torvane {

namespace {

// Slots are 600 twips wide. Six rows of 600 twips would not fit the 3060-twip box, so the rows
// stand 510 twips apart: every one of the 18 slots stays visible and can be picked up.
constexpr int kSlotWidth = 600;
constexpr int kRowPitch = 510;

}  // namespace

HandView::HandView(const Game& game, Hand hand, QWidget* parent)
    : QWidget(parent), game_(game), hand_(hand) {
    setObjectName(hand == Hand::Image4 ? "Picture3" : "Picture2");
}

const HandCells& HandView::cells() const {
    return hand_ == Hand::Image4 ? game_.Image4 : game_.Image5;
}

QRect HandView::SlotRect(int slot) {
    return TwipRect(kSlotWidth * (slot % 3), kRowPitch * (slot / 3), kSlotWidth, kRowPitch);
}

int HandView::SlotAt(QPoint pos) const {
    for (int k = 0; k < kHandSlots; ++k)
        if (SlotRect(k).contains(pos)) return k;
    return -1;
}

void HandView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    qreal dpr = devicePixelRatioF();
    p.drawTiledPixmap(rect(), Picture("wood", dpr));
    p.setPen(QColor(60, 35, 15, 90));
    for (int k = 0; k < kHandSlots; ++k) {
        QRect slot = SlotRect(k);
        QPoint at = slot.topLeft() + QPoint(4, 1);
        p.drawEllipse(QRect(at, QSize(31, 31)));
        int picture = cells()[k].Picture;
        if (picture) p.drawPixmap(at, PiecePixmap(picture, dpr));
    }
}

void HandView::mousePressEvent(QMouseEvent* e) {
    int slot = SlotAt(e->position().toPoint());
    if (slot >= 0 && onPress) onPress(hand_, slot, e->button());
}

void HandView::mouseReleaseEvent(QMouseEvent* e) {
    if (onRelease) onRelease(e->globalPosition().toPoint());
}

}  // namespace torvane
