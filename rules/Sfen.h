#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/BoardPosition.h"

namespace torvane {

// The engine's position string, four fields apart by spaces: nine rows from Gote's back rank
// ("/" between them), each from column 0, a piece as its letter (PieceLetters) and a run of
// empty cells as its length; the side to move ("b" Sente, "w" Gote); the hands, Sente's then
// Gote's, weakest kind first, a count before a letter held more than once ("2Dr"), or "-"; the
// move number. A cell counts as a piece when its tag names a side and its kind is one of the
// nine; any other cell is written as empty.
std::string WriteSfen(const BoardPosition& position);

// Reads what WriteSfen writes (a count of 1 may be written too). Returns what is wrong with
// `text`, in Japanese for the player, and leaves `out` alone then: a row that is not 9 cells, not 9
// rows, an unknown letter, a side that is not b or w, a hand count of 0 or a hand over 18 pieces, a
// count without a piece, a move number that is not a number from 1, or not four fields.
std::optional<std::string> ReadSfen(std::string_view text, BoardPosition& out);

}  // namespace torvane
