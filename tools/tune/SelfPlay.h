#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/Position.h"

namespace torvane::tune {

// A quiet position of a self-play game and how the game ended for Sente: 1 won, 0.5 drawn, 0 lost.
struct LabelledPosition {
    engine::Position position;
    double result = 0.5;
};

struct SelfPlayConfig {
    int games = 1000;
    bool drops = false;
    std::uint64_t nodes = 2000;  // each move's search
    int openingPlies = 8;        // random moves before the engine plays, for variety
    int maxPlies = 300;          // a longer game is a draw
    int jobs = 1;
    unsigned seed = 1;
};

// Quiet: the side to move can take nothing, and neither side's Elephant or last Rat is
// attacked. Only such positions say what the evaluation alone should say.
bool IsQuiet(const engine::Position& pos);

// Plays the games (the engine's top level against itself, each move limited by nodes) and
// hands the quiet positions of each after the opening, labelled with its result, to `done`,
// one game at a time, with the number of games finished.
void PlaySelfGames(const SelfPlayConfig& config,
                   const std::function<void(const std::vector<LabelledPosition>&, int)>& done);

// One position a line: the position string, a tab, the result.
void WritePositions(std::ostream& out, const std::vector<LabelledPosition>& positions);
std::vector<LabelledPosition> ReadPositions(const std::string& path);

}  // namespace torvane::tune
