#pragma once

#include <string>
#include <vector>

#include "app/engine/EngineProcess.h"
#include "record/RecordPosition.h"

namespace torvane {

// The position after the first `ply` of `moves` played from `start`, for the engine: the start
// and the moves since, so that it knows which positions the game has been through.
EngineLine EngineLineOf(const BoardPosition& start, const std::vector<RecordedMove>& moves,
                        int ply);

// The position after the first `ply` of `moves` played from `start`; moves the rules refuse
// are skipped.
RecordPosition PositionAfter(const BoardPosition& start, const std::vector<RecordedMove>& moves,
                             int ply, bool drops);

// The engine's line `pv` played from `position`, as a record keeps moves, at most `limit`
// moves long; it ends before the first word that is no move, or a move the rules do not allow.
std::vector<RecordedMove> RecordLineOf(RecordPosition position, const std::vector<std::string>& pv,
                                       bool drops, int limit);

}  // namespace torvane
