#pragma once

#include <optional>
#include <string>

#include "rules/BoardPosition.h"

namespace torvane {

// How many pieces of `kind` the game has, both sides together: as many as the start position
// holds (StartBoard).
int PiecesInGame(int kind);

// The pieces of `kind` that are on neither the board nor a hand of `position`: the box of
// spare pieces. Negative when the position holds more of them than the game has.
int SparePieces(const BoardPosition& position, int kind);

// Why a game cannot start from `position`, in Japanese, or nothing when it can: each side needs
// its Elephant and at least one Rat on the board, no kind may occur more often than the game
// has it, and a hand holds at most 18 pieces. A position where the side to move can take the
// enemy's Elephant or last Rat at once is allowed: the rules let a player leave them where they
// can be taken, so such positions arise in play, and a player setting one up means it.
std::optional<std::string> CheckSetUp(const BoardPosition& position);

}  // namespace torvane
