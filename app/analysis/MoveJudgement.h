#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "record/PositionAnalysis.h"

namespace torvane {

// How much a move gave away against the engine's best move, in the mover's terms.
enum class MoveMark { None, Dubious, Blunder };

inline constexpr int kDubiousLoss = 100;  // 疑問手
inline constexpr int kBlunderLoss = 300;  // 悪手
// Scores are clamped to this before losses are taken, and the graph shows this range: a missed
// win counts as a large loss, not as tens of thousands.
inline constexpr int kJudgedScoreLimit = 2000;

// "悪手", "疑問手" or "".
std::string MarkName(MoveMark mark);

struct MoveJudgement {
    int before = 0, after = 0;  // the scores of the positions before and after, Sente's side
    int loss = 0;               // in the mover's terms, never below 0
    MoveMark mark = MoveMark::None;
};

// The judgement of move `number` (1-based) of `moves`, once the positions before and after it
// are analysed: the fall of the mover's clamped score, or none when it is the engine's own
// best move.
std::optional<MoveJudgement> JudgeMove(const std::map<int, PositionAnalysis>& analysis,
                                       const std::vector<RecordedMove>& moves, int number);

// One side's moves that could be judged: how many, how many of each mark, and their loss.
struct SideSummary {
    int judged = 0, dubious = 0, blunders = 0;
    long long totalLoss = 0;
    int AverageLoss() const { return judged == 0 ? 0 : static_cast<int>(totalLoss / judged); }
};

// Sente's summary, then Gote's.
std::array<SideSummary, 2> Summarise(const std::map<int, PositionAnalysis>& analysis,
                                     const std::vector<RecordedMove>& moves);

}  // namespace torvane
