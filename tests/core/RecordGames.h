#pragma once

#include <random>
#include <vector>

#include "record/RecordFile.h"
#include "record/RecordPosition.h"

namespace torvane {

// Every legal move of the side to move: steps by the rules' reachable cells, and drops on
// every empty cell when `drops`. None once the game is decided.
std::vector<RecordedMove> LegalMoves(const RecordPosition& position, bool drops);

// One legal move, chosen at random; captures are preferred so that games end and hands fill.
RecordedMove RandomMove(std::mt19937& random, const RecordPosition& position, bool drops);

// A game of random legal moves from the start, with random times and header, up to `maxMoves`
// moves or the end of the game, with the result the position shows or, when it shows none,
// sometimes a resignation or a loss on time. `position` is left at the final position.
GameRecord RandomRecord(std::mt19937& random, bool drops, int maxMoves, RecordPosition& position);

// A position set up by hand, at random: each side's Elephant and a Rat on random cells, every
// other piece of the game on a random cell of either side, in either hand or left in the box,
// and either side to move. Many are positions no game reaches.
BoardPosition RandomSetUp(std::mt19937& random);

}  // namespace torvane
