#pragma once

namespace torvane {

// What the player chooses for a game against the computer: the side, the computer's level (1..10)
// and, for the top level, its seconds a move, and whether the game has a time limit (off unless
// chosen: the computer never runs out of time).
struct ComputerGameChoice {
    bool playerIsGote = false;
    int level = 1;
    bool timeLimit = false;
    int topSeconds = 3;

    bool operator==(const ComputerGameChoice&) const = default;
};

}  // namespace torvane
