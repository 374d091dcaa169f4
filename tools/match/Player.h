#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "EngineProcess.h"
#include "engine/Position.h"

namespace torvane::match {

// One side of a match: given the game so far, returns its move in USI text, or "resign".
class Player {
public:
    virtual ~Player() = default;
    virtual std::string Name() const = 0;
    virtual void NewGame() {}
    virtual std::string Choose(const engine::Position& pos,
                               const std::vector<std::string>& moves) = 0;
};

// "random", "greedy" (takes the most valuable piece it can, wins when it can), or
// "level:N" (the engine program at level N, thinking with `goArgs`, e.g. "movetime 100").
std::unique_ptr<Player> MakePlayer(const std::string& name, const std::string& enginePath,
                                   const std::string& goArgs, bool drops, std::mt19937& random);

}  // namespace torvane::match
