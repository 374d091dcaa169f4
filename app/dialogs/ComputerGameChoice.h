#pragma once

namespace torvane {

// What the player chooses for a game against the computer: the side, the computer's level and
// whether the game has a time limit (off unless chosen: the computer never runs out of time).
struct ComputerGameChoice {
    bool playerIsGote = false;
    int level = 1;
    bool timeLimit = false;

    bool operator==(const ComputerGameChoice&) const = default;
};

}  // namespace torvane
