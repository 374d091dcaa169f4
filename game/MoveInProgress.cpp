#include "game/MoveInProgress.h"

namespace torvane {

void MoveInProgress::StartBoardPick(int cell) {
    PickedCell = cell;
    FromCell = cell;
    BoardPickPending = 1;
}

void MoveInProgress::StartHandPick(Hand hand, int slot) {
    HandDrag = 1;
    HandSlot = slot;
    FromImage4 = hand == Hand::Image4 ? 1 : 0;
}

// A board pick not yet dropped outweighs a hand pick made meanwhile.
Move MoveInProgress::DropOn(int cell) {
    StepOrigin = PickedCell;
    if (BoardPickPending == 1) return Move::Step(StepOrigin, cell);
    return Move::Drop(FromImage4 == 1 ? Hand::Image4 : Hand::Image5, HandSlot, cell);
}

}  // namespace torvane
