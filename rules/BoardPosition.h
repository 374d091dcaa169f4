#pragma once

#include <array>
#include <numeric>

#include "rules/Cell.h"
#include "rules/Side.h"

namespace torvane {

// A position as the engine's position string holds it: the board as Sente sees it (owner tag
// and kind of every cell, no pictures), how many pieces of each kind each side holds in hand,
// the side to move and the move number. `BoardPosition{StartBoard()}` is the start position.
struct BoardPosition {
    BoardCells board{};
    std::array<std::array<int, 14>, 2> hands{};  // [Sente, Gote][kind code]
    Side toMove = Side::Sente;
    int moveNumber = 1;

    int& InHand(Side side, int kind) { return hands[side == Side::Sente ? 0 : 1][kind]; }
    int InHand(Side side, int kind) const { return hands[side == Side::Sente ? 0 : 1][kind]; }

    int HandTotal(Side side) const {
        const auto& hand = hands[side == Side::Sente ? 0 : 1];
        return std::accumulate(hand.begin(), hand.end(), 0);
    }

    bool operator==(const BoardPosition&) const = default;
};

}  // namespace torvane
