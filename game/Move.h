#pragma once

#include "game/Hand.h"

namespace torvane {

// A move as the game makes it, in the local view of the board: the piece leaves board cell
// `from` (a step) or slot `slot` of hand `hand` (a drop) and goes to board cell `to`.
struct Move {
    int from = -1;  // -1 for a drop
    Hand hand = Hand::Image4;
    int slot = -1;  // -1 for a step
    int to = -1;

    static Move Step(int from, int to) { return {from, Hand::Image4, -1, to}; }
    static Move Drop(Hand hand, int slot, int to) { return {-1, hand, slot, to}; }
    bool IsDrop() const { return slot >= 0; }
};

}  // namespace torvane
