#pragma once

#include "engine/MoveGen.h"
#include "engine/Position.h"

namespace torvane::engine {

// Whether each side's Elephant or last Rat stands next to an enemy piece that may take it:
// the opponent of that side could end the game with its next move. The search treats this
// like check.
struct VitalAttacks {
    bool on[2] = {false, false};
};
VitalAttacks FindVitalAttacks(const Position& pos);

inline bool VitalPieceAttacked(const Position& pos, Color side) {
    return FindVitalAttacks(pos).on[side];
}

// The cells of a side's Elephant and last Rat (a side has at most these two vital pieces; a
// position typed by hand may hold two Elephants, of which the first found counts).
struct VitalCells {
    int cells[2] = {-1, -1};
    int count = 0;
};
VitalCells FindVitalCells(const Position& pos, Color side);

// True when `m` puts the mover's piece next to an enemy Elephant or last Rat it may take: a
// threat to win on the next move, which the search never reduces. `enemy` are the cells of the
// enemy's vital pieces.
bool CreatesThreat(const Position& pos, const VitalCells& enemy, Move m);

// For a side to move whose Elephant or last Rat is attacked: the moves that may save it. An
// attacker always stands next to its victim, so only a step of the attacked piece, a capture
// (of the attacker) or, when the last Rat is attacked, the drop of a second Rat can help; every
// other move loses at once. The list may hold moves that do not help, never misses one that
// does.
void GenerateEvasions(const Position& pos, bool drops, MoveList& list);

// The quiet moves that attack the enemy Elephant or last Rat: a step or a drop onto an empty
// cell next to it by a kind that may take it.
void GenerateThreatMoves(const Position& pos, bool drops, MoveList& list);

}  // namespace torvane::engine
