#pragma once

#include <array>
#include <cstdint>

#include "engine/Piece.h"
#include "engine/Square.h"

namespace torvane::engine {

inline constexpr int kHandCapacity = 18;

// Random keys whose XOR identifies a position: pieces on cells, the count of each kind in
// each hand, and the side to move.
struct ZobristKeys {
    std::array<std::array<std::uint64_t, kSquares>, kPieceCodes> piece{};
    std::array<std::array<std::array<std::uint64_t, kHandCapacity + 1>, kKindCount>, 2> hand{};
    std::uint64_t goteToMove = 0;
};

const ZobristKeys& Zobrist();

}  // namespace torvane::engine
