#pragma once

#include <array>
#include <optional>

namespace torvane {

// The eight one-step directions. The value is the fixed slot that the range display uses to
// index its per-direction state. Up is towards row 0 for both players.
enum class StepDirection {
    Left = 0,
    UpRight = 1,
    Up = 2,
    UpLeft = 3,
    Right = 4,
    DownLeft = 5,
    Down = 6,
    DownRight = 7,
};

inline constexpr std::array<StepDirection, 8> kAllDirections = {
    StepDirection::Left,  StepDirection::UpRight,  StepDirection::Up,   StepDirection::UpLeft,
    StepDirection::Right, StepDirection::DownLeft, StepDirection::Down, StepDirection::DownRight,
};

inline constexpr int SlotOf(StepDirection d) {
    return static_cast<int>(d);
}

// The neighbour of `cell` in direction `d`, or nothing when the step would leave the board
// (including the wrap from one end of a row to the other end of the next).
std::optional<int> NeighbourCell(int cell, StepDirection d);

// The step test of a drop: `to` is one of the eight index changes away from `from` and the
// pair does not join the left column with the right column.
bool IsStepNeighbour(int from, int to);

}  // namespace torvane
