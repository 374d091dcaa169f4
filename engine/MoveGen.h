#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/Move.h"
#include "engine/Position.h"

namespace torvane::engine {

// Enough for 34 own pieces stepping eight ways plus nine kinds dropped on every cell.
struct MoveList {
    std::array<Move, 1024> moves;
    int size = 0;

    void Add(Move m) { moves[size++] = m; }
    const Move* begin() const { return moves.data(); }
    const Move* end() const { return moves.data() + size; }
};

// Every legal move of the side to move: steps onto empty cells, captures the capture rule
// allows, and drops of any piece in hand onto any empty cell when `drops` is true. Whether the
// game is already over is the caller's question.
void GenerateMoves(const Position& pos, bool drops, MoveList& list);

// Only the captures.
void GenerateCaptures(const Position& pos, MoveList& list);

// The number of legal moves, without listing them.
int CountMoves(const Position& pos, bool drops);

// The legal move written as `text` in USI notation, if there is one.
std::optional<Move> FindLegalMove(const Position& pos, bool drops, std::string_view text);

}  // namespace torvane::engine
