#include "game/Game.h"
#include "rules/MovementRules.h"
#include "rules/PieceKind.h"

namespace torvane {

// Only a Rat or an Elephant can take an Elephant: when the piece that just moved to `cell` is
// one and now stands next to the enemy Elephant, the players are told. A Rat that took the
// Elephant threatens nothing, the game is decided.
bool Game::ThreatensElephant(const Cell& mover, int cell) const {
    if (mover.Kind != Rat && mover.Kind != Elephant) return false;
    const Cell& target = Image1[cell];
    if (mover.Kind == Rat && target.Kind == Elephant && AreEnemies(mover.Tag, target.Tag))
        return false;
    for (StepDirection d : kAllDirections) {
        std::optional<int> n = NeighbourCell(cell, d);
        if (!n) continue;
        const Cell& neighbour = Image1[*n];
        if (neighbour.Kind == Elephant && AreEnemies(mover.Tag, neighbour.Tag)) return true;
    }
    return false;
}

}  // namespace torvane
