#include "app/window/AccessibleEvents.h"

#include <QAccessible>
#include <QApplication>

#include "record/Notation.h"

namespace torvane {

AccessibleEvents::AccessibleEvents(const Game& game, const KeyboardPlay& keys, BoardView* board,
                                   HandView* bottom, HandView* top)
    : QObject(board),
      game_(game),
      keys_(keys),
      board_(board),
      bottom_(bottom),
      top_(top),
      status_(new LiveStatus(board->parentWidget())) {
    connect(&keys, &KeyboardPlay::changed, this, [this] { NotifyCursor(false); });
    board->installEventFilter(this);
}

// The board's own focus event comes after its FocusIn; the cursor's place takes the focus
// after it.
bool AccessibleEvents::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(
            this, [this] { NotifyCursor(true); }, Qt::QueuedConnection);
    return false;
}

void AccessibleEvents::Update() {
    AnnounceMoves();
    if (QAccessible::isActive()) NotifyNames();
}

QWidget* AccessibleEvents::ViewOf(const CursorPlace& place) const {
    if (!place.hand) return board_;
    return *place.hand == Hand::Image4 ? bottom_ : top_;
}

void AccessibleEvents::Notify(QWidget* view, int child, QAccessible::Event type) {
    QAccessibleEvent event(view, type);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void AccessibleEvents::NotifyCursor(bool force) {
    if (!QAccessible::isActive()) return;
    const KeyboardCursor& cursor = keys_.cursor();
    if (cursor.HeldPlace() != held_) {
        const std::optional<CursorPlace> before = std::exchange(held_, cursor.HeldPlace());
        for (const auto& place : {before, held_})
            if (place) Notify(ViewOf(*place), place->index, QAccessible::Selection);
    }
    if (QApplication::focusWidget() != board_) return;
    if (!force && focused_ == cursor.Place() && shown_ == cursor.Shown()) return;
    focused_ = cursor.Place();
    shown_ = cursor.Shown();
    Notify(ViewOf(*focused_), focused_->index, QAccessible::Focus);
}

// The first time only learns the names.
void AccessibleEvents::NotifyNames() {
    const bool first = names_.empty();
    std::size_t k = 0;
    for (QWidget* view : {static_cast<QWidget*>(board_), static_cast<QWidget*>(bottom_),
                          static_cast<QWidget*>(top_)}) {
        QAccessibleInterface* places = QAccessible::queryAccessibleInterface(view);
        for (int i = 0; i < places->childCount(); ++i, ++k) {
            QString name = places->child(i)->text(QAccessible::Name);
            if (first) {
                names_.push_back(std::move(name));
            } else if (names_[k] != name) {
                names_[k] = std::move(name);
                Notify(view, i, QAccessible::NameChanged);
            }
        }
    }
}

// Each move added to the record since the last time; a take-back or a new game only shortens
// the record.
void AccessibleEvents::AnnounceMoves() {
    const auto& entries = game_.History().entries();
    if (entries.size() > announcedMoves_)
        status_->Announce(QString::fromStdString(MoveText(entries.back().move)));
    announcedMoves_ = entries.size();
}

}  // namespace torvane
