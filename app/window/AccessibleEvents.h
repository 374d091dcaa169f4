#pragma once

#include <QAccessible>
#include <QObject>
#include <vector>

#include "app/window/KeyboardPlay.h"
#include "app/window/LiveStatus.h"

namespace torvane {

// What assistive tools are told as the game goes on: the cell or slot of the keyboard cursor
// takes the focus whenever the cursor moves or the board gets the keyboard, a held piece's
// origin is selected, the places whose names changed say so (tools keep names they have
// read), and every move, the player's, the peer's or the computer's, is announced in the
// record's notation ("▲７六犬(77)") by the live status.
class AccessibleEvents : public QObject {
    Q_OBJECT
public:
    AccessibleEvents(const Game& game, const KeyboardPlay& keys, BoardView* board, HandView* bottom,
                     HandView* top);

    // After the game or the position shown changed.
    void Update();
    const LiveStatus* status() const { return status_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* ViewOf(const CursorPlace& place) const;
    static void Notify(QWidget* view, int child, QAccessible::Event type);
    void NotifyCursor(bool force);
    void NotifyNames();
    void AnnounceMoves();

    const Game& game_;
    const KeyboardPlay& keys_;
    BoardView* board_;
    HandView* bottom_;
    HandView* top_;
    LiveStatus* status_;
    std::optional<CursorPlace> focused_, held_;  // as last told
    bool shown_ = false;
    std::vector<QString> names_;  // the board's, then the bottom and top hands'
    std::size_t announcedMoves_ = 0;
};

}  // namespace torvane
