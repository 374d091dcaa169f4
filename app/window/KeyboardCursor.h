#pragma once

#include <optional>

#include "game/Hand.h"

namespace torvane {

// A place the keyboard cursor can stand on: a board cell (cell = 9 * row + column, as the
// screen shows the board), or a slot of one of the hands.
struct CursorPlace {
    std::optional<Hand> hand;  // none: a board cell
    int index = 0;             // the cell, or the slot (0..17, three to a row)

    bool OnBoard() const { return !hand; }
    bool operator==(const CursorPlace&) const = default;
};

// The keyboard cursor: where it stands, whether it is shown, and where the piece it picked up
// came from while one is held. The arrow keys step it across the screen (up is always up, as
// the cells are numbered as shown, turned or not); it stops at the edges.
class KeyboardCursor {
public:
    const CursorPlace& Place() const { return place_; }
    // The cell or slot the cursor stands on in `area` (none: the board), or -1.
    int IndexIn(std::optional<Hand> area) const;
    // The origin of the held piece in `area`, or -1.
    int HeldIn(std::optional<Hand> area) const;

    // Shown from the first key until the mouse is used.
    bool Shown() const { return shown_; }
    void Show() { shown_ = true; }
    void Hide() { shown_ = false; }

    // One step of `columns` to the right and `rows` down, within the board or the hand.
    void Step(int columns, int rows);
    // Into `hand` at its first slot; back to the cell it left.
    void EnterHand(Hand hand);
    void ReturnToBoard();
    void MoveTo(const CursorPlace& place);

    bool Holding() const { return held_.has_value(); }
    const std::optional<CursorPlace>& HeldPlace() const { return held_; }
    // The piece under the cursor was picked up.
    void Hold() { held_ = place_; }
    void Release() { held_.reset(); }

private:
    CursorPlace place_{std::nullopt, 40};  // ５五, the middle of the board
    int boardCell_ = 40;                   // the cell to return to from a hand
    bool shown_ = false;
    std::optional<CursorPlace> held_;
};

}  // namespace torvane
