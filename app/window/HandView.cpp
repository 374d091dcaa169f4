#include "app/window/HandView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/window/CursorFrame.h"
#include "app/window/ImageStore.h"
#include "app/window/Twips.h"

namespace torvane {

namespace {

// Slots are 600 twips wide. Six rows of 600 twips would not fit the 3060-twip box, so the rows
// stand 510 twips apart: every one of the 18 slots stays visible and can be picked up.
constexpr int kSlotWidth = 600;
constexpr int kRowPitch = 510;
// A piece sits 4 pixels in and 1 down in its slot, in a ring 31 pixels across.
constexpr int kPieceLeft = 60;
constexpr int kPieceTop = 15;
constexpr int kRingTwips = 465;
constexpr int kPieceTwips = 480;

}  // namespace

HandView::HandView(const Game& game, Hand hand, QWidget* parent)
    : QWidget(parent), game_(game), hand_(hand) {
    setObjectName(hand == Hand::Image4 ? "Picture3" : "Picture2");
}

const HandCells& HandView::ShownSlots() const {
    if (replay_) return *replay_;
    return hand_ == Hand::Image4 ? game_.HandSlots(Hand::Image4) : game_.HandSlots(Hand::Image5);
}

void HandView::ShowReplay(const HandCells* cells) {
    if (replay_ == cells) return;
    replay_ = cells;
    Refresh();
}

// The bottom hand is the player's at the bottom.
void HandView::Refresh() {
    update();
    const Side bottom = game_.LocalSide();
    if (count_) count_->Show(ShownSlots(), hand_ == Hand::Image4 ? bottom : Opponent(bottom));
}

void HandView::SetScale(double scale) {
    scale_ = scale;
    update();
}

QRect HandView::SlotRect(int slot) const {
    return TwipRect(kSlotWidth * (slot % 3), kRowPitch * (slot / 3), kSlotWidth, kRowPitch, scale_);
}

int HandView::SlotAt(QPoint pos) const {
    for (int k = 0; k < kHandSlots; ++k)
        if (SlotRect(k).contains(pos)) return k;
    return -1;
}

void HandView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    qreal dpr = devicePixelRatioF();
    p.drawTiledPixmap(rect(), Texture("wood", dpr));
    p.setPen(QPen(QColor(60, 35, 15, 90), std::max(1, Px(kTwipsPerPixel, scale_))));
    const QPoint inset(Px(kPieceLeft, scale_), Px(kPieceTop, scale_));
    const int ring = Px(kRingTwips, scale_);
    const int piece = Px(kPieceTwips, scale_);
    for (int k = 0; k < kHandSlots; ++k) {
        QPoint at = SlotRect(k).topLeft() + inset;
        p.drawEllipse(QRect(at, QSize(ring, ring)));
        int picture = ShownSlots()[k].Picture;
        if (picture) p.drawPixmap(at, PiecePixmap(picture, piece, dpr));
    }
    if (!cursor_ || !cursor_->Shown()) return;
    if (int held = cursor_->HeldIn(hand_); held >= 0)
        PaintCursorFrame(p, SlotRect(held), scale_, true);
    if (int slot = cursor_->IndexIn(hand_); slot >= 0) PaintCursorFrame(p, SlotRect(slot), scale_);
}

void HandView::mousePressEvent(QMouseEvent* e) {
    int slot = SlotAt(e->position().toPoint());
    if (slot >= 0 && onPress) onPress(hand_, slot, e->button());
}

void HandView::mouseReleaseEvent(QMouseEvent* e) {
    if (onRelease) onRelease(e->globalPosition().toPoint());
}

}  // namespace torvane
