#pragma once

#include <random>
#include <vector>

#include "engine/MoveGen.h"
#include "engine/Position.h"
#include "engine/Sfen.h"

namespace torvane::engine::testing {

// Every position of one game of random legal moves from the start, up to `plies` moves or the
// end of the game. With drops on, one move in three is a drop when the hand allows it, so that
// hands fill and empty.
inline std::vector<Position> RandomGame(std::mt19937& random, int plies, bool drops) {
    std::vector<Position> positions{StartPosition()};
    Position pos = positions.back();
    for (int ply = 0; ply < plies && !pos.IsDecided(); ++ply) {
        MoveList list;
        GenerateMoves(pos, drops, list);
        if (list.size == 0) break;
        std::vector<Move> preferred;
        bool wantDrop = drops && random() % 3 == 0;
        for (Move m : list)
            if (IsDrop(m) == wantDrop) preferred.push_back(m);
        if (preferred.empty()) preferred.assign(list.begin(), list.end());
        Undo undo;
        pos.Make(preferred[random() % preferred.size()], undo);
        positions.push_back(pos);
    }
    return positions;
}

}  // namespace torvane::engine::testing
