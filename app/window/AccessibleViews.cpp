#include "app/window/AccessibleViews.h"

#include "app/window/BoardView.h"
#include "app/window/HandView.h"
#include "app/window/LiveStatus.h"
#include "app/window/PlacesAccessible.h"
#include "record/Notation.h"
#include "rules/PieceKind.h"

namespace torvane {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// "先手 犬", or "空き" for an empty cell or slot.
QString ContentName(const Cell& cell) {
    if (!HoldsPiece(cell)) return "空き";
    return Q(SideName(SideOfTag(cell.Tag))) + " " +
           QString::fromUtf8(KanjiOf(static_cast<PieceKind>(cell.Kind)));
}

// Asks `view` to act on place `index` once the assistive tool's call has been answered: a move
// may open a box, whose event loop would hold the answer back until the box is closed.
template <typename View>
void ActivateLater(View* view, int index) {
    QMetaObject::invokeMethod(
        view,
        [view, index] {
            if (view->onActivate) view->onActivate(index);
        },
        Qt::QueuedConnection);
}

// The board: its cells named as the record names them, "５五 先手 犬", whichever way the board
// is turned.
class BoardAccessible : public PlacesAccessible {
public:
    explicit BoardAccessible(BoardView* board)
        : PlacesAccessible(board, QAccessible::Grouping, QAccessible::Cell, kCellCount,
                           std::nullopt),
          board_(board) {}

    QString ViewName() const override { return "盤"; }
    QString PlaceName(int cell) const override {
        const bool turned = board_->game().LocalSide() == Side::Gote;
        return Q(SquareText(TurnedCell(cell, turned))) + " " +
               ContentName(board_->ShownCells()[static_cast<std::size_t>(cell)]);
    }
    QRect PlaceRect(int cell) const override { return board_->CellRect(cell); }
    void Activate(int cell) const override { ActivateLater(board_, cell); }

protected:
    const KeyboardCursor* Cursor() const override { return board_->keyboardCursor(); }

private:
    BoardView* board_;
};

// A hand: "先手の持ち駒", its slots "先手の持ち駒 3 犬" counted from 1, row by row.
class HandAccessible : public PlacesAccessible {
public:
    explicit HandAccessible(HandView* hand)
        : PlacesAccessible(hand, QAccessible::List, QAccessible::ListItem, kHandSlots,
                           hand->hand()),
          hand_(hand) {}

    // The bottom hand is the player's at the bottom.
    QString ViewName() const override {
        const Side bottom = hand_->game().LocalSide();
        return Q(SideName(hand_->hand() == Hand::Image4 ? bottom : Opponent(bottom))) + "の持ち駒";
    }
    QString PlaceName(int slot) const override {
        const Cell& cell = hand_->ShownSlots()[static_cast<std::size_t>(slot)];
        return ViewName() + " " + QString::number(slot + 1) + " " +
               (HoldsPiece(cell) ? QString::fromUtf8(KanjiOf(static_cast<PieceKind>(cell.Kind)))
                                 : QString("空き"));
    }
    QRect PlaceRect(int slot) const override { return hand_->SlotRect(slot); }
    void Activate(int slot) const override { ActivateLater(hand_, slot); }

protected:
    const KeyboardCursor* Cursor() const override { return hand_->keyboardCursor(); }

private:
    HandView* hand_;
};

class AnnouncementAccessible : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(QWidget* news)
        : QAccessibleWidget(news, QAccessible::Notification) {}
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == BoardView::staticMetaObject.className())
        return new BoardAccessible(static_cast<BoardView*>(object));
    if (className == HandView::staticMetaObject.className())
        return new HandAccessible(static_cast<HandView*>(object));
    if (className == Announcement::staticMetaObject.className())
        return new AnnouncementAccessible(static_cast<Announcement*>(object));
    return nullptr;
}

}  // namespace

void InstallAccessibleViews() {
    QAccessible::installFactory(Factory);
}

}  // namespace torvane
