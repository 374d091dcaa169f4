#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace torvane::engine {

// Cells 0..80, cell = 9 * row + column, row 0 at the top (Gote's back rank).
inline constexpr int kSquares = 81;

// The up to eight neighbours of every cell, never across the board's edge.
struct NeighbourTable {
    std::array<std::array<std::uint8_t, 8>, kSquares> cells{};
    std::array<std::uint8_t, kSquares> count{};
};

inline constexpr NeighbourTable BuildNeighbours() {
    NeighbourTable t;
    for (int sq = 0; sq < kSquares; ++sq) {
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = -1; dc <= 1; ++dc) {
                int r = sq / 9 + dr, c = sq % 9 + dc;
                if ((dr == 0 && dc == 0) || r < 0 || r > 8 || c < 0 || c > 8) continue;
                t.cells[sq][t.count[sq]++] = static_cast<std::uint8_t>(r * 9 + c);
            }
        }
    }
    return t;
}

inline constexpr NeighbourTable kNeighbours = BuildNeighbours();

// The up to sixteen cells two king steps from every cell: where a piece stands that can attack
// the cell's piece with its next step.
struct RingTable {
    std::array<std::array<std::uint8_t, 16>, kSquares> cells{};
    std::array<std::uint8_t, kSquares> count{};
};

inline constexpr RingTable BuildRing() {
    RingTable t;
    for (int sq = 0; sq < kSquares; ++sq) {
        for (int dr = -2; dr <= 2; ++dr) {
            for (int dc = -2; dc <= 2; ++dc) {
                int r = sq / 9 + dr, c = sq % 9 + dc;
                bool ring = dr == -2 || dr == 2 || dc == -2 || dc == 2;
                if (!ring || r < 0 || r > 8 || c < 0 || c > 8) continue;
                t.cells[sq][t.count[sq]++] = static_cast<std::uint8_t>(r * 9 + c);
            }
        }
    }
    return t;
}

inline constexpr RingTable kRing = BuildRing();

// Shogi naming: file digit 9 - column, rank letter a..i for rows 0..8 (cell 49 is "5f").
std::string SquareName(int sq);
std::optional<int> ParseSquare(std::string_view text);

// Steps a king needs from `a` to `b`, looked up: the evaluation asks for it many times a node.
inline constexpr auto kDistance = [] {
    std::array<std::array<std::uint8_t, kSquares>, kSquares> t{};
    for (int a = 0; a < kSquares; ++a) {
        for (int b = 0; b < kSquares; ++b) {
            int dr = a / 9 - b / 9, dc = a % 9 - b % 9;
            dr = dr < 0 ? -dr : dr;
            dc = dc < 0 ? -dc : dc;
            t[a][b] = static_cast<std::uint8_t>(dr > dc ? dr : dc);
        }
    }
    return t;
}();

inline int Distance(int a, int b) {
    return kDistance[a][b];
}

}  // namespace torvane::engine
