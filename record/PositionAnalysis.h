#pragma once

#include <vector>

#include "record/RecordedMove.h"

namespace torvane {

// The engine's judgement of one position of a record: how good it is for Sente, how deep the
// engine looked, and the line of play it expects from there, its first move being the move the
// engine thinks best. A won or lost game scores ±(kAnalysisMateScore - the plies to its end).
struct PositionAnalysis {
    int score = 0;  // centipawns, from Sente's side
    int depth = 0;
    std::vector<RecordedMove> line = {};  // legal from the position, its movers alternating

    bool operator==(const PositionAnalysis&) const = default;
};

inline constexpr int kAnalysisMateScore = 30000;
// A longer line is cut to this many moves; a comment with more is refused.
inline constexpr int kMaxAnalysisLine = 24;
inline constexpr int kMaxAnalysisDepth = 128;

}  // namespace torvane
