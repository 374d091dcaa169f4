#pragma once

#include <string>

#include "game/ClockCounters.h"
#include "game/Controls.h"
#include "rules/Cell.h"

namespace torvane {

// Everything a move changes, as the window shows it: the board and both hands, the side to
// move, the clocks, the turn markers and the menu items a game's course switches. Kept before
// every move, so that taking a move back restores it exactly and a replay can show it.
struct PlayState {
    BoardCells board{};
    HandCells bottomHand{}, topHand{};
    int turn = 0;
    int nextFreeSlot4 = 0, nextFreeSlot5 = 0;
    ClockCounters clocks;
    int computerGame = 0, networkGame = 0;
    bool boardOpen = false;

    std::string label1, label3, label8;
    Colour label2Back = kButtonFace, label4Back = kButtonFace, label8Fore = kBlack;
    bool timer1 = false, timer2 = false;
    bool touryou = false, suruu = true, matu = true;
};

}  // namespace torvane
