#include "engine/Perft.h"

#include "engine/MoveGen.h"

namespace torvane::engine {

namespace {

std::uint64_t LeavesAfter(Position& pos, Move m, int depth, bool drops) {
    Undo undo;
    pos.Make(m, undo);
    std::uint64_t n = pos.IsDecided() ? 1 : Perft(pos, depth - 1, drops);
    pos.Unmake(m, undo);
    return n;
}

}  // namespace

std::uint64_t Perft(Position& pos, int depth, bool drops) {
    if (pos.IsDecided()) return 0;
    if (depth <= 0) return 1;
    if (depth == 1) return static_cast<std::uint64_t>(CountMoves(pos, drops));
    MoveList list;
    GenerateMoves(pos, drops, list);
    std::uint64_t total = 0;
    for (Move m : list) total += LeavesAfter(pos, m, depth, drops);
    return total;
}

std::vector<std::pair<Move, std::uint64_t>> PerftDivide(Position& pos, int depth, bool drops) {
    std::vector<std::pair<Move, std::uint64_t>> result;
    if (pos.IsDecided() || depth <= 0) return result;
    MoveList list;
    GenerateMoves(pos, drops, list);
    for (Move m : list) result.emplace_back(m, LeavesAfter(pos, m, depth, drops));
    return result;
}

}  // namespace torvane::engine
