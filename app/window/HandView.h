#pragma once

#include <QWidget>
#include <functional>

#include "app/window/HandCount.h"
#include "app/window/KeyboardCursor.h"
#include "game/Game.h"

namespace torvane {

// `Picture3` (bottom hand, `Image4`) or `Picture2` (top hand, `Image5`): 18 slots in three
// columns, filled row by row from the top left.
class HandView : public QWidget {
    Q_OBJECT
public:
    HandView(const Game& game, Hand hand, QWidget* parent);

    Hand hand() const { return hand_; }
    // The hand's count, kept up to date with the slots shown.
    void SetCount(HandCount* count) { count_ = count; }
    // Shows the game's hand (or the replayed one) again, and its count.
    void Refresh();
    // Lays the slots out at `scale` times the design size.
    void SetScale(double scale);
    // The slot under `pos`, or -1.
    int SlotAt(QPoint pos) const;
    QRect SlotRect(int slot) const;

    // Shows `cells` (a hand of a replayed position) instead of the game's; nullptr shows the
    // game's hand again.
    void ShowReplay(const HandCells* cells);
    // The slots shown: the game's hand, or a replayed position's.
    const HandCells& ShownSlots() const;
    // The keyboard cursor, framed on its slot while it is shown and in this hand.
    void SetKeyboardCursor(const KeyboardCursor* cursor) { cursor_ = cursor; }
    const KeyboardCursor* keyboardCursor() const { return cursor_; }
    const Game& game() const { return game_; }

    std::function<void(Hand, int slot, Qt::MouseButton)> onPress;
    std::function<void(QPoint globalPos)> onRelease;
    // An assistive tool asked to act on slot `slot`, as Enter with the cursor there would.
    std::function<void(int slot)> onActivate;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const Game& game_;
    Hand hand_;
    const HandCells* replay_ = nullptr;
    const KeyboardCursor* cursor_ = nullptr;
    HandCount* count_ = nullptr;
    double scale_ = 1.0;
};

}  // namespace torvane
