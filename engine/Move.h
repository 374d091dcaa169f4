#pragma once

#include <cstdint>
#include <string>

namespace torvane::engine {

// A move in 14 bits: the target cell, and the origin cell or, for a drop, 81 + the kind.
// 0 is no move (no step goes from cell 0 to cell 0).
using Move = std::uint16_t;
inline constexpr Move kNoMove = 0;

inline constexpr Move StepMove(int from, int to) {
    return static_cast<Move>(from << 7 | to);
}
inline constexpr Move DropMove(int kind, int to) {
    return static_cast<Move>((81 + kind) << 7 | to);
}
inline constexpr int ToOf(Move m) {
    return m & 127;
}
inline constexpr int FromOf(Move m) {
    return m >> 7;
}
inline constexpr bool IsDrop(Move m) {
    return FromOf(m) >= 81;
}
inline constexpr int DropKindOf(Move m) {
    return FromOf(m) - 81;
}

// USI text: "5f5e" for a step, "D*5e" for a drop (uppercase for either side).
std::string MoveName(Move m);

}  // namespace torvane::engine
