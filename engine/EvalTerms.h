#pragma once

#include <array>
#include <cstdint>

#include "engine/Position.h"

namespace torvane::engine {

// The things the evaluation counts. The score is the sum of each count times its weight
// (EvalWeights), so that the weights can be fitted to the results of games (tools/tune).
// Each count is Sente's minus Gote's.
enum Term : int {
    kTempo,  // the side to move
    // Material on the board; a side's last Rat costs extra, as losing it loses the game.
    kRats,
    kLastRat,
    kDogs,
    kWolves,
    kLeopards,
    kCrocodiles,
    kBears,
    kTigers,
    kLions,
    // Pieces in hand, worth something only when they may be dropped.
    kHandRats,
    kHandDogs,
    kHandWolves,
    kHandLeopards,
    kHandCrocodiles,
    kHandBears,
    kHandTigers,
    kHandLions,
    // The Elephant's safety: enemy pieces that may take it two steps away, own pieces next to
    // it, and free cells next to it that no enemy Rat guards.
    kElephantAttackers,
    kElephantDefenders,
    kElephantEscapes,
    // Each Rat's safety: enemy pieces two steps away (every kind but the Elephant takes a Rat)
    // and own pieces next to it; for the last Rat the same again, and its unguarded free cells.
    kRatAttackers,
    kRatDefenders,
    kLastRatAttackers,
    kLastRatDefenders,
    kLastRatEscapes,
    // The Rat's hunt: how near the nearest own Rat is to the enemy Elephant (8 minus the steps),
    // and Rats one step from attacking it.
    kHuntNearness,
    kHuntClose,
    kMobility,  // free cells next to own pieces
    // Drop threats: a Rat in hand and a free cell next to the enemy Elephant; a piece in hand
    // that may take the enemy's last Rat and a free cell next to it.
    kDropOnElephant,
    kDropOnLastRat,
    // Enemy pieces next to the own Elephant or last Rat that may take it. Positions with such an
    // attack are never quiet, so this weight is set by hand, not fitted.
    kVitalAttacked,
    kTermCount
};

using TermCounts = std::array<std::int16_t, kTermCount>;

// The counts of every term in `pos`, Sente's minus Gote's. Without drops the hand terms and
// the drop threats are 0.
TermCounts CountTerms(const Position& pos, bool drops);

// The term's name in the tuning tool's output.
const char* TermName(int term);

}  // namespace torvane::engine
