#pragma once

#include <QObject>
#include <functional>

#include "app/window/BoardView.h"
#include "app/window/HandView.h"
#include "app/window/KeyboardCursor.h"

namespace torvane {

// Play by keyboard on the board while it has the keyboard focus: the arrow keys move the
// cursor (the first key only shows it), Enter or Space picks up the piece under it and drops
// the held piece on the cursor's cell, Escape puts the piece back, and H moves the cursor into
// the hand of the side to move and back. Tab still moves the focus on, so that the chat box
// stays in reach. Picking up and dropping go through the same calls of the window as a press
// and a release of the mouse, so the game judges them as it judges the mouse's.
class KeyboardPlay : public QObject {
    Q_OBJECT
public:
    KeyboardPlay(const Game& game, BoardView* board, HandView* bottom, HandView* top);
    // The views no longer show the cursor or act on an assistive tool's request.
    ~KeyboardPlay() override;

    const KeyboardCursor& cursor() const { return cursor_; }
    // Within `onPick`: the game's drag that begins now is the keyboard's hold.
    bool Picking() const { return picking_; }
    void TakeHold();
    // The game ended the move in progress, made or not.
    void LetGo();
    // An assistive tool asked to act on `place`, as Enter with the cursor moved there does.
    void Activate(const CursorPlace& place);

    std::function<void(const CursorPlace&)> onPick;
    std::function<void(int cell)> onDrop;
    std::function<void()> onCancel;

signals:
    // The cursor moved, appeared, or picked up or let go of a piece.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnKey(int key);
    bool Escape();
    void Step(int columns, int rows);
    void ToggleHand();
    void Select();
    void Cancel();
    void Changed();

    const Game& game_;
    BoardView* board_;
    HandView* bottom_;
    HandView* top_;
    KeyboardCursor cursor_;
    bool picking_ = false;
};

}  // namespace torvane
