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

// How an engine player is run: the default engine for "level:N", the `setoption`s it is given
// ("Name=Value"), the `go` parameters (e.g. "movetime 100") and how long a move may take before
// the engine is declared lost on time.
struct EngineSettings {
    std::string defaultEngine;
    std::vector<std::string> options;
    std::string goArgs;
    int moveTimeoutMs = 30000;
};

// "random", "greedy" (takes the most valuable piece it can, wins when it can), "level:N" (the
// default engine at level N), or any other text: a USI engine's command line, split at spaces.
std::unique_ptr<Player> MakePlayer(const std::string& player, const EngineSettings& settings,
                                   bool drops, std::mt19937& random);

}  // namespace torvane::match
