#pragma once

// Games of random steps for the benchmarks: quiet steps first, so that a game lasts.

#include <optional>
#include <random>

#include "record/RecordFile.h"
#include "record/RecordPosition.h"
#include "rules/StepDirection.h"

namespace torvane {

// A random step for the side to move, quiet ones first; played on `position`.
inline std::optional<RecordedMove> RandomStep(RecordPosition& position, std::mt19937& random) {
    std::vector<RecordedMove> quiet, captures;
    for (int from = 0; from < kCellCount; ++from) {
        const Cell& piece = position.Board()[from];
        if (piece.Tag != TagOf(position.ToMove())) continue;
        for (StepDirection d : kAllDirections) {
            auto to = NeighbourCell(from, d);
            if (!to) continue;
            RecordedMove move{position.ToMove(), from, *to, piece.Kind, false, 3};
            RecordPosition trial = position;
            if (trial.Play(move, false)) continue;
            (move.capture ? captures : quiet).push_back(move);
        }
    }
    auto& moves = quiet.empty() ? captures : quiet;
    if (moves.empty()) return std::nullopt;
    RecordedMove move = moves[random() % moves.size()];
    position.Play(move, false);
    return move;
}

// A game of `length` random steps from the start (fewer when no step is left).
inline GameRecord QuietGame(std::size_t length, unsigned seed) {
    std::mt19937 random(seed);
    RecordPosition position;
    GameRecord record;
    record.header.started = "2026/12/08 10:00:00";
    while (record.moves.size() < length) {
        auto move = RandomStep(position, random);
        if (!move) break;
        record.moves.push_back(*move);
    }
    return record;
}

}  // namespace torvane
