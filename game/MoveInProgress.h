#pragma once

#include "game/Move.h"

namespace torvane {

// The piece a player holds between the press that picks it up and the drop: from a board cell,
// or from a hand's slot. The drop ends it (or a drag that ends off the board), so nothing of
// one move is left over for the next.
struct MoveInProgress {
    int PickedCell = 0;        // the board cell pressed
    int FromCell = 0;          // the cell whose range is on display
    int StepOrigin = 0;        // where the dropped step starts
    int BoardPickPending = 0;  // 1 while a piece picked up from the board is held
    int HandDrag = 0;          // 1 while a piece picked up from a hand is held
    int HandSlot = 0;          // the hand piece's slot
    int FromImage4 = 0;        // 1 when the hand piece is from the bottom hand

    void StartBoardPick(int cell);
    void StartHandPick(Hand hand, int slot);
    bool Holding() const { return BoardPickPending == 1 || HandDrag == 1; }
    // The move the held piece makes when dropped on `cell`; only while `Holding()`.
    Move DropOn(int cell);
    void End() { *this = MoveInProgress{}; }
};

}  // namespace torvane
