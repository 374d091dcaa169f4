#include "app/editor/PieceTray.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/window/Fonts.h"
#include "app/window/ImageStore.h"
#include "images/PieceImageTable.h"

namespace torvane {

namespace {

// At the design size: 128 pixels across, a caption 22 high, slots of 40 from 4 pixels in.
constexpr double kDesignWidth = 128, kCaption = 22, kInset = 4, kSlot = 40;
// As in the main window's hands: a ring 31 pixels across round a piece of 32.
constexpr double kRing = 31, kPiece = 32;

int Round(double pixels) {
    return static_cast<int>(std::lround(pixels));
}

int SlotIndex(int kind) {
    return static_cast<int>(std::find(std::begin(kAllKinds), std::end(kAllKinds), kind) -
                            std::begin(kAllKinds));
}

}  // namespace

PieceTray::PieceTray(const SetUpBoard& board, const SetUpPlace& place, const QString& objectName,
                     const QString& caption, QWidget* parent)
    : SetUpSurface(parent), board_(board), place_(place), caption_(caption) {
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double PieceTray::Scale() const {
    return width() / kDesignWidth;
}

QRect PieceTray::SlotRect(int kind) const {
    const int index = SlotIndex(kind);
    const int row = index / 3, column = index % 3;
    const double s = Scale();
    return QRect(Round((kInset + kSlot * column) * s), Round((kCaption + kSlot * row) * s),
                 Round(kSlot * s), Round(kSlot * s));
}

int PieceTray::PieceSize() const {
    return Round(kPiece * Scale());
}

std::optional<SetUpPlace> PieceTray::PlaceAt(QPoint pos) const {
    SetUpPlace place = place_;
    for (PieceKind kind : kAllKinds)
        if (SlotRect(kind).contains(pos)) place.kind = kind;
    return place;
}

void PieceTray::MarkHeld(int kind) {
    if (held_ == kind) return;
    held_ = kind;
    update();
}

void PieceTray::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal dpr = devicePixelRatioF();
    const double s = Scale();
    PaintGround(p, "wood");
    QFont font = UiFont(9, true);
    font.setPixelSize(std::max(9, Round(13 * s)));
    p.setFont(font);
    p.setPen(QColor(30, 15, 5));
    p.drawText(QRect(Round(6 * s), 0, width(), Round(kCaption * s)), Qt::AlignVCenter, caption_);
    const ImageInk ink = place_.side == Side::Sente ? ImageInk::Black : ImageInk::Red;
    const int ring = Round(kRing * s), piece = PieceSize();
    for (PieceKind kind : kAllKinds) {
        const QRect slot = SlotRect(kind);
        if (kind == held_) p.fillRect(slot, QColor(255, 196, 64, 140));
        const QPoint at = slot.topLeft() + QPoint(Round(4 * s), Round(4 * s));
        p.setPen(QPen(QColor(60, 35, 15, 90), std::max(1, Round(s))));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRect(at, QSize(ring, ring)));
        SetUpPlace here = place_;
        here.kind = kind;
        const int count = board_.Count(here);
        if (count == 0) continue;
        p.drawPixmap(at, PiecePixmap(PieceImageId(kind, ink, ImageVariant::Normal), piece, dpr));
        PaintCount(p, slot, count);
    }
}

// More than one piece of a kind: the number on a dark tab in the slot's lower right corner.
void PieceTray::PaintCount(QPainter& p, const QRect& slot, int count) const {
    if (count < 2) return;
    const double s = Scale();
    QFont font = UiFont(8, true);
    font.setPixelSize(std::max(8, Round(11 * s)));
    p.setFont(font);
    const QString text = QString::number(count);
    QRect tab = p.fontMetrics().boundingRect(text).adjusted(-Round(3 * s), 0, Round(3 * s), 0);
    tab.moveBottomRight(slot.bottomRight() - QPoint(Round(1 * s), Round(1 * s)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 30, 10, 220));
    p.drawRoundedRect(tab, 3 * s, 3 * s);
    p.setPen(Qt::white);
    p.drawText(tab, Qt::AlignCenter, text);
}

}  // namespace torvane
