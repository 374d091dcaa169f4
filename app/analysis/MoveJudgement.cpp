#include "app/analysis/MoveJudgement.h"

#include <algorithm>

namespace torvane {

namespace {

// The same move on the board, whatever time either took.
bool SameMove(const RecordedMove& a, const RecordedMove& b) {
    return a.mover == b.mover && a.from == b.from && a.to == b.to && a.kind == b.kind;
}

}  // namespace

std::string MarkName(MoveMark mark) {
    switch (mark) {
        case MoveMark::Blunder:
            return "悪手";
        case MoveMark::Dubious:
            return "疑問手";
        case MoveMark::None:
            break;
    }
    return "";
}

std::optional<MoveJudgement> JudgeMove(const std::map<int, PositionAnalysis>& analysis,
                                       const std::vector<RecordedMove>& moves, int number) {
    if (number < 1 || number > static_cast<int>(moves.size())) return {};
    auto before = analysis.find(number - 1), after = analysis.find(number);
    if (before == analysis.end() || after == analysis.end()) return {};
    const RecordedMove& move = moves[static_cast<std::size_t>(number - 1)];
    MoveJudgement judgement{before->second.score, after->second.score, 0, MoveMark::None};
    const std::vector<RecordedMove>& best = before->second.line;
    if (!best.empty() && SameMove(best.front(), move)) return judgement;
    const int sign = move.mover == Side::Sente ? 1 : -1;
    auto clamped = [](int score) {
        return std::clamp(score, -kJudgedScoreLimit, kJudgedScoreLimit);
    };
    judgement.loss = std::max(0, sign * (clamped(judgement.before) - clamped(judgement.after)));
    judgement.mark = judgement.loss >= kBlunderLoss   ? MoveMark::Blunder
                     : judgement.loss >= kDubiousLoss ? MoveMark::Dubious
                                                      : MoveMark::None;
    return judgement;
}

std::array<SideSummary, 2> Summarise(const std::map<int, PositionAnalysis>& analysis,
                                     const std::vector<RecordedMove>& moves) {
    std::array<SideSummary, 2> sides{};
    for (int number = 1; number <= static_cast<int>(moves.size()); ++number) {
        auto judgement = JudgeMove(analysis, moves, number);
        if (!judgement) continue;
        const Side mover = moves[static_cast<std::size_t>(number - 1)].mover;
        SideSummary& side = sides[mover == Side::Sente ? 0 : 1];
        ++side.judged;
        side.totalLoss += judgement->loss;
        side.dubious += judgement->mark == MoveMark::Dubious;
        side.blunders += judgement->mark == MoveMark::Blunder;
    }
    return sides;
}

}  // namespace torvane
