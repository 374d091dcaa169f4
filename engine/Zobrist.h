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

// Built at compile time from a fixed seed: the same keys in every run.
extern const ZobristKeys kZobrist;

inline const ZobristKeys& Zobrist() {
    return kZobrist;
}

}  // namespace torvane::engine
